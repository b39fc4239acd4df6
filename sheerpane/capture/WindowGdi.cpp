#include "sheerpane/capture/WindowGdi.h"

#include <algorithm>
#include <string>

#include <QPixmap>
#include <QWidget>

#include "platform/PlatformError.h"
#include "platform/draw/Gdi.h"
#include "sheerpane/SheerpaneErrors.h"
#include "sheerpane/WindowHandles.h"

namespace sheerpane {

namespace draw = platform::draw;
using platform::PlatformError;

namespace {

[[noreturn]] void invalidHandle(const char* call, std::int32_t handle)
{
    throw PlatformError(platform::kErrInvalidProcedureCall,
                        std::string(call) + ": " + std::to_string(handle) + " is not a handle it takes");
}

[[noreturn]] void failed(const char* call, const std::string& why)
{
    throw PlatformError(platform::kErrInvalidProcedureCall, std::string(call) + ": " + why);
}

} // namespace

WindowGdi::WindowGdi() : stockBitmap_(std::make_shared<QImage>(1, 1, QImage::Format_RGB32))
{
    stockBitmap_->fill(Qt::black);
}

WindowGdi::~WindowGdi() = default;

template <class T>
T* WindowGdi::find(std::int32_t handle)
{
    const auto it = objects_.find(handle);
    return it == objects_.end() ? nullptr : std::get_if<T>(&it->second);
}

std::int32_t WindowGdi::add(Object object)
{
    const std::int32_t handle = next_++;
    objects_.emplace(handle, std::move(object));
    return handle;
}

WindowGdi::DcObject& WindowGdi::dcObject(HDC dc, const char* call)
{
    DcObject* object = find<DcObject>(dc);
    if (!object)
        invalidHandle(call, dc);
    return *object;
}

QImage WindowGdi::windowImage(QWidget& window)
{
    // The whole form, drawn as the screen shows it, then the window's part:
    // drawing only the part could shift gradients and smoothed edges.
    QWidget* form = window.window();
    const QRect area = &window == form ? form->rect() : QRect(window.mapTo(form, QPoint(0, 0)), window.size());
    QImage whole = form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = whole.devicePixelRatio();
    QImage image = whole.copy(QRect((QPointF(area.topLeft()) * ratio).toPoint(), (QSizeF(area.size()) * ratio).toSize()));
    if (image.size() != area.size())
        image = image.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(1);
    return image;
}

HDC WindowGdi::windowDC(HWND window)
{
    QWidget* widget = windowOfHandle(window);
    if (!widget)
        invalidHandle("GetDC", window);
    DcObject object;
    object.dc = draw::DeviceContext(std::make_shared<QImage>(windowImage(*widget)));
    if (screenCaps_)
        object.dc.setCaps(*screenCaps_);
    object.window = window;
    object.bitmap = 0;
    return add(std::move(object));
}

HDC WindowGdi::GetDC(HWND window) { return windowDC(window); }
HDC WindowGdi::GetWindowDC(HWND window) { return windowDC(window); }

bool WindowGdi::ReleaseDC(HWND window, HDC dc)
{
    const DcObject* object = find<DcObject>(dc);
    if (!object || object->window == 0 || object->window != window)
        return false;
    objects_.erase(dc);
    return true;
}

HDC WindowGdi::CreateCompatibleDC(HDC dc)
{
    DcObject object;
    if (dc == 0) {
        draw::DeviceContext screen;
        if (screenCaps_)
            screen.setCaps(*screenCaps_);
        object.dc = draw::CreateCompatibleDC(screen);
    } else {
        object.dc = draw::CreateCompatibleDC(dcObject(dc, "CreateCompatibleDC").dc);
    }
    object.dc.selectBitmap(stockBitmap_);
    return add(std::move(object));
}

bool WindowGdi::DeleteDC(HDC dc)
{
    DcObject* object = find<DcObject>(dc);
    if (!object || object->window != 0)
        return false;
    // What is still selected stays, unselected, for its owner to delete.
    if (BitmapObject* bitmap = find<BitmapObject>(object->bitmap))
        bitmap->selectedInto = 0;
    if (PaletteObject* palette = find<PaletteObject>(object->palette))
        --palette->selections;
    objects_.erase(dc);
    return true;
}

HBITMAP WindowGdi::CreateCompatibleBitmap(HDC dc, int width, int height)
{
    const DcObject& object = dcObject(dc, "CreateCompatibleBitmap");
    if (width <= 0 || height <= 0)
        failed("CreateCompatibleBitmap", "a bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                                             " pixels cannot be made");
    draw::Bitmap bitmap = draw::CreateCompatibleBitmap(object.dc, width, height);
    if (!bitmap)
        throw PlatformError(kErrOutOfMemory, "CreateCompatibleBitmap: out of memory for " + std::to_string(width) +
                                                 " x " + std::to_string(height) + " pixels");
    return add(BitmapObject{std::move(bitmap), 0});
}

HGDIOBJ WindowGdi::SelectObject(HDC dc, HGDIOBJ handle)
{
    DcObject& object = dcObject(dc, "SelectObject");
    if (object.window != 0)
        failed("SelectObject", "a bitmap goes into a memory device context only");
    draw::Bitmap bitmap;
    if (handle == kStockBitmap) {
        bitmap = stockBitmap_;
    } else {
        BitmapObject* selected = find<BitmapObject>(handle);
        if (!selected)
            invalidHandle("SelectObject", handle);
        if (selected->selectedInto != 0 && selected->selectedInto != dc)
            failed("SelectObject", "the bitmap is selected into another device context");
        selected->selectedInto = dc;
        bitmap = selected->bitmap;
    }
    const HBITMAP previous = object.bitmap;
    if (previous != handle)
        if (BitmapObject* old = find<BitmapObject>(previous))
            old->selectedInto = 0;
    object.bitmap = handle;
    object.dc.selectBitmap(std::move(bitmap));
    return previous;
}

bool WindowGdi::DeleteObject(HGDIOBJ handle)
{
    if (const BitmapObject* bitmap = find<BitmapObject>(handle)) {
        if (bitmap->selectedInto != 0)
            return false;
    } else if (const PaletteObject* palette = find<PaletteObject>(handle)) {
        if (palette->selections > 0)
            return false;
    } else {
        return false;
    }
    objects_.erase(handle);
    return true;
}

int WindowGdi::GetDeviceCaps(HDC dc, int index)
{
    return draw::GetDeviceCaps(dcObject(dc, "GetDeviceCaps").dc, index);
}

unsigned WindowGdi::GetSystemPaletteEntries(HDC dc, unsigned start, unsigned count, PaletteEntry* entries)
{
    const DcObject& object = dcObject(dc, "GetSystemPaletteEntries");
    if (!entries)
        failed("GetSystemPaletteEntries", "no room for the entries");
    std::vector<QRgb> colours(std::min(count, 256U)); // no system palette is larger
    count = static_cast<unsigned>(colours.size());
    const unsigned n = draw::GetSystemPaletteEntries(object.dc, start, count, colours.data());
    for (unsigned i = 0; i < n; ++i)
        entries[i] = PaletteEntry{static_cast<std::uint8_t>(qRed(colours[i])),
                                  static_cast<std::uint8_t>(qGreen(colours[i])),
                                  static_cast<std::uint8_t>(qBlue(colours[i])), 0};
    return n;
}

HPALETTE WindowGdi::CreatePalette(const LogPalette& palette)
{
    if (palette.version != kLogPaletteVersion)
        failed("CreatePalette", "unknown palette version " + std::to_string(palette.version));
    if (palette.numEntries == 0 || palette.numEntries > palette.entries.size())
        failed("CreatePalette", "a palette holds 1 to 256 entries, not " + std::to_string(palette.numEntries));
    std::vector<QRgb> colours;
    colours.reserve(palette.numEntries);
    for (std::size_t i = 0; i < palette.numEntries; ++i)
        colours.push_back(qRgb(palette.entries[i].red, palette.entries[i].green, palette.entries[i].blue));
    return add(PaletteObject{draw::CreatePalette(std::move(colours)), 0});
}

HPALETTE WindowGdi::SelectPalette(HDC dc, HPALETTE handle, bool forceBackground)
{
    DcObject& object = dcObject(dc, "SelectPalette");
    draw::Palette palette;
    if (handle != kStockPalette) {
        PaletteObject* selected = find<PaletteObject>(handle);
        if (!selected)
            invalidHandle("SelectPalette", handle);
        ++selected->selections;
        palette = selected->palette;
    }
    const HPALETTE previous = object.palette;
    if (PaletteObject* old = find<PaletteObject>(previous))
        --old->selections;
    object.palette = handle;
    draw::SelectPalette(object.dc, std::move(palette), forceBackground);
    return previous;
}

unsigned WindowGdi::RealizePalette(HDC dc)
{
    return draw::RealizePalette(dcObject(dc, "RealizePalette").dc);
}

bool WindowGdi::BitBlt(HDC dest, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                       unsigned long rop)
{
    DcObject& to = dcObject(dest, "BitBlt");
    const DcObject& from = dcObject(src, "BitBlt");
    if (!draw::BitBlt(to.dc, x, y, width, height, from.dc, srcX, srcY, rop))
        failed("BitBlt", "the copy could not be made");
    return true;
}

StdPicture WindowGdi::OleCreatePictureIndirect(const PictDesc& desc, bool own)
{
    if (desc.cbSizeofstruct != sizeof(PictDesc))
        failed("OleCreatePictureIndirect", "the description's size is " + std::to_string(desc.cbSizeofstruct) +
                                               ", not " + std::to_string(sizeof(PictDesc)));
    if (desc.picType != PICTYPE_BITMAP)
        failed("OleCreatePictureIndirect", "only bitmap pictures are made");
    const BitmapObject* bitmap = find<BitmapObject>(desc.hbitmap);
    if (!bitmap)
        invalidHandle("OleCreatePictureIndirect", desc.hbitmap);
    if (bitmap->selectedInto != 0)
        failed("OleCreatePictureIndirect", "the bitmap is still selected into a device context");
    const PaletteObject* palette = nullptr;
    if (desc.hpal != 0) {
        palette = find<PaletteObject>(desc.hpal);
        if (!palette)
            invalidHandle("OleCreatePictureIndirect", desc.hpal);
        if (palette->selections > 0)
            failed("OleCreatePictureIndirect", "the palette is still selected into a device context");
    }

    StdPicture picture;
    picture.type = PICTYPE_BITMAP;
    picture.handle = desc.hbitmap;
    picture.hPal = desc.hpal;
    if (own) {
        picture.bitmap = bitmap->bitmap;
        picture.palette = palette ? palette->palette : nullptr;
        objects_.erase(desc.hbitmap);
        if (palette)
            objects_.erase(desc.hpal);
    } else {
        picture.bitmap = std::make_shared<QImage>(bitmap->bitmap->copy());
        picture.palette = palette ? palette->palette : nullptr;
    }
    return picture;
}

WindowGdi::Census WindowGdi::census() const
{
    Census census;
    for (const auto& [handle, object] : objects_) {
        if (std::holds_alternative<DcObject>(object))
            ++census.deviceContexts;
        else if (std::holds_alternative<BitmapObject>(object))
            ++census.bitmaps;
        else
            ++census.palettes;
    }
    return census;
}

} // namespace sheerpane
