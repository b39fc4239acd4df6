#pragma once
// The drawing calls the background capture makes, on numbered objects as the
// platform hands them out: device contexts of windows and in memory, bitmaps
// and palettes. An object lives until it is released or deleted, so what a
// caller forgets to give back stays counted in census().
//
// A failing call throws platform::PlatformError, except the calls that give
// objects back (ReleaseDC, DeleteDC, DeleteObject): they run while cleaning
// up, and answer false instead. Deleting an object still selected into a
// device context fails, as on the platform.
//
// Window pixels: what the window's form shows in the window's rectangle now,
// so a hidden window gives the form behind it. A window has no frame of its
// own here, so its client area and the whole window are the same.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <variant>

#include <QImage>

#include "platform/draw/DeviceCaps.h"
#include "platform/draw/DeviceContext.h"
#include "sheerpane/capture/StdPicture.h"

class QWidget;

namespace sheerpane {

using HWND = std::int32_t;
using HDC = std::int32_t;
using HGDIOBJ = std::int32_t;
using HBITMAP = std::int32_t;
using HPALETTE = std::int32_t;

struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;
};

struct LogPalette {
    std::uint16_t version = 0;
    std::uint16_t numEntries = 0;
    std::array<PaletteEntry, 256> entries{};
};

inline constexpr std::uint16_t kLogPaletteVersion = 0x300;

class WindowGdi {
public:
    // Objects every device context starts with; never counted, never deleted.
    static constexpr HBITMAP kStockBitmap = 1;
    static constexpr HPALETTE kStockPalette = 2;

    struct Census {
        int deviceContexts = 0;
        int bitmaps = 0;
        int palettes = 0;
        bool operator==(const Census&) const = default;
    };

    WindowGdi();
    virtual ~WindowGdi();
    WindowGdi(const WindowGdi&) = delete;
    WindowGdi& operator=(const WindowGdi&) = delete;

    // The capabilities window device contexts report; by default those of
    // the images read from the windows (true colour).
    void setScreenCaps(std::optional<platform::draw::DeviceCaps> caps) { screenCaps_ = std::move(caps); }

    virtual HDC GetDC(HWND window);
    virtual HDC GetWindowDC(HWND window);
    virtual bool ReleaseDC(HWND window, HDC dc);
    // dc 0: compatible with the screen.
    virtual HDC CreateCompatibleDC(HDC dc);
    virtual bool DeleteDC(HDC dc);
    virtual HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
    // Selects a bitmap into a memory device context; returns the one it had.
    virtual HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
    virtual bool DeleteObject(HGDIOBJ object);
    virtual int GetDeviceCaps(HDC dc, int index);
    virtual unsigned GetSystemPaletteEntries(HDC dc, unsigned start, unsigned count, PaletteEntry* entries);
    virtual HPALETTE CreatePalette(const LogPalette& palette);
    virtual HPALETTE SelectPalette(HDC dc, HPALETTE palette, bool forceBackground);
    virtual unsigned RealizePalette(HDC dc);
    virtual bool BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                        unsigned long rop);
    // With own, the bitmap and the palette leave this table for the picture,
    // which frees them when its last copy goes.
    virtual StdPicture OleCreatePictureIndirect(const PictDesc& desc, bool own);

    Census census() const;

protected:
    // The pixels of a window, as its form shows them now.
    virtual QImage windowImage(QWidget& window);

private:
    struct DcObject {
        platform::draw::DeviceContext dc;
        HWND window = 0; // 0 for a memory device context
        HBITMAP bitmap = kStockBitmap;
        HPALETTE palette = kStockPalette;
    };
    struct BitmapObject {
        platform::draw::Bitmap bitmap;
        HDC selectedInto = 0;
    };
    struct PaletteObject {
        platform::draw::Palette palette;
        int selections = 0;
    };
    using Object = std::variant<DcObject, BitmapObject, PaletteObject>;

    HDC windowDC(HWND window);
    DcObject& dcObject(HDC dc, const char* call);
    template <class T>
    T* find(std::int32_t handle);
    std::int32_t add(Object object);

    std::map<std::int32_t, Object> objects_;
    std::int32_t next_ = 0x100;
    platform::draw::Bitmap stockBitmap_;
    std::optional<platform::draw::DeviceCaps> screenCaps_;
};

} // namespace sheerpane
