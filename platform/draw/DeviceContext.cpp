#include "platform/draw/DeviceContext.h"

#include <utility>

#include "platform/PlatformError.h"
#include "platform/propertybag/PropertyErrors.h"

namespace platform::draw {

Pen CreatePen(int style, int width, ColourRef colour)
{
    if (style < PS_SOLID || style > PS_INSIDEFRAME)
        throw PlatformError(kErrInvalidProcedureCall, "Invalid pen style " + std::to_string(style));
    if (width < 0)
        throw PlatformError(kErrInvalidProcedureCall, "Invalid pen width " + std::to_string(width));
    return Pen{style, width, colour};
}

DeviceCaps DeviceCaps::ofImage(const QImage& image)
{
    DeviceCaps caps;
    caps.width = image.width();
    caps.height = image.height();
    caps.bitsPerPixel = image.isNull() ? 32 : image.depth();
    return caps;
}

DeviceCaps DeviceCaps::paletteDevice256(int width, int height)
{
    DeviceCaps caps;
    caps.width = width;
    caps.height = height;
    caps.bitsPerPixel = 8;
    static constexpr QRgb kLow[10] = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),   qRgb(0, 0, 128),
        qRgb(128, 0, 128),   qRgb(0, 128, 128), qRgb(192, 192, 192), qRgb(192, 220, 192), qRgb(166, 202, 240)};
    static constexpr QRgb kHigh[10] = {
        qRgb(255, 251, 240), qRgb(160, 160, 164), qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),
        qRgb(255, 255, 0),   qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255), qRgb(255, 255, 255)};
    caps.systemPalette.assign(std::begin(kLow), std::end(kLow));
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                caps.systemPalette.push_back(qRgb(r * 51, g * 51, b * 51));
    for (int i = 1; caps.systemPalette.size() < 246; ++i)
        caps.systemPalette.push_back(qRgb(i * 9, i * 9, i * 9));
    caps.systemPalette.insert(caps.systemPalette.end(), std::begin(kHigh), std::end(kHigh));
    return caps;
}

DeviceContext::DeviceContext(Bitmap bitmap) : bitmap_(std::move(bitmap)) {}

Bitmap DeviceContext::selectBitmap(Bitmap bitmap) { return std::exchange(bitmap_, std::move(bitmap)); }
Pen DeviceContext::selectPen(const Pen& pen) { return std::exchange(pen_, pen); }
QFont DeviceContext::selectFont(const QFont& font) { return std::exchange(font_, font); }
ColourRef DeviceContext::setTextColour(ColourRef colour) { return std::exchange(textColour_, colour); }
ColourRef DeviceContext::setBackgroundColour(ColourRef colour) { return std::exchange(backgroundColour_, colour); }

int DeviceContext::setBackgroundMode(int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return std::exchange(backgroundMode_, mode);
}

Palette DeviceContext::selectPalette(Palette palette)
{
    paletteRealized_ = false;
    return std::exchange(palette_, std::move(palette));
}

DeviceCaps DeviceContext::caps() const
{
    if (fixedCaps_)
        return *fixedCaps_;
    return bitmap_ ? DeviceCaps::ofImage(*bitmap_) : DeviceCaps{};
}

void DeviceContext::preparePainter(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    if (clip_)
        painter.setClipRegion(*clip_);
}

Pen SelectObject(DeviceContext& dc, const Pen& pen) { return dc.selectPen(pen); }
QFont SelectObject(DeviceContext& dc, const QFont& font) { return dc.selectFont(font); }
Bitmap SelectObject(DeviceContext& dc, Bitmap bitmap) { return dc.selectBitmap(std::move(bitmap)); }
ColourRef SetTextColor(DeviceContext& dc, ColourRef colour) { return dc.setTextColour(colour); }
ColourRef SetBkColor(DeviceContext& dc, ColourRef colour) { return dc.setBackgroundColour(colour); }
int SetBkMode(DeviceContext& dc, int mode) { return dc.setBackgroundMode(mode); }

int GetDeviceCaps(const DeviceContext& dc, int index)
{
    const DeviceCaps caps = dc.caps();
    switch (index) {
    case HORZRES: return caps.width;
    case VERTRES: return caps.height;
    case BITSPIXEL: return caps.bitsPerPixel;
    case PLANES: return 1;
    case NUMCOLORS: return caps.isPaletteDevice() ? 20 : -1;
    case RASTERCAPS: return RC_BITBLT | (caps.isPaletteDevice() ? RC_PALETTE : 0);
    case LOGPIXELSX: return caps.logPixelsX;
    case LOGPIXELSY: return caps.logPixelsY;
    case SIZEPALETTE: return static_cast<int>(caps.systemPalette.size());
    case NUMRESERVED: return caps.isPaletteDevice() ? 20 : 0;
    default: return 0;
    }
}

DeviceContext CreateCompatibleDC(const DeviceContext& dc)
{
    DeviceContext memory;
    const DeviceCaps caps = dc.caps();
    if (caps.isPaletteDevice())
        memory.setCaps(caps);
    return memory;
}

Bitmap CreateCompatibleBitmap(const DeviceContext&, int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    auto bitmap = std::make_shared<QImage>(width, height, QImage::Format_RGB32);
    if (bitmap->isNull())
        return nullptr;
    bitmap->fill(Qt::black);
    return bitmap;
}

} // namespace platform::draw
