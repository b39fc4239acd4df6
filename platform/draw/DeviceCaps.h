#pragma once
// What a device context's device can do, as GetDeviceCaps reports it. A
// context over an image describes a true-colour device; tests may give a
// context the capabilities of a 256-colour palette device instead.

#include <vector>

#include <QImage>
#include <QRgb>

namespace platform::draw {

enum DeviceCapIndex : int {
    HORZRES = 8, VERTRES = 10, BITSPIXEL = 12, PLANES = 14, NUMCOLORS = 24, RASTERCAPS = 38,
    LOGPIXELSX = 88, LOGPIXELSY = 90, SIZEPALETTE = 104, NUMRESERVED = 106,
};

inline constexpr int RC_BITBLT = 0x0001;
inline constexpr int RC_PALETTE = 0x0100;

struct DeviceCaps {
    int width = 0, height = 0;
    int bitsPerPixel = 32;
    int logPixelsX = 96, logPixelsY = 96;
    // The system palette of a palette device; empty on true-colour devices.
    std::vector<QRgb> systemPalette;

    bool isPaletteDevice() const noexcept { return !systemPalette.empty(); }

    static DeviceCaps ofImage(const QImage& image);
    // An 8-bit device with the usual 256-entry system palette: 20 fixed
    // colours at both ends around a colour cube and grey ramp.
    static DeviceCaps paletteDevice256(int width, int height);
};

} // namespace platform::draw
