// Bit-block copies and palettes.

#include <algorithm>
#include <limits>

#include <QPainter>

#include "platform/draw/Gdi.h"

namespace platform::draw {

namespace {

QRgb nearest(QRgb colour, const std::vector<QRgb>& palette)
{
    QRgb best = palette.front();
    int bestDistance = std::numeric_limits<int>::max();
    for (const QRgb entry : palette) {
        const int dr = qRed(entry) - qRed(colour);
        const int dg = qGreen(entry) - qGreen(colour);
        const int db = qBlue(entry) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = entry;
        }
    }
    return best;
}

void quantize(QImage& image, const std::vector<QRgb>& palette)
{
    image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            row[x] = nearest(row[x], palette);
    }
}

} // namespace

bool BitBlt(DeviceContext& dest, int x, int y, int width, int height, const DeviceContext& src, int srcX, int srcY,
            unsigned long rop)
{
    if (rop != SRCCOPY || !dest.bitmap() || !src.bitmap() || width <= 0 || height <= 0)
        return false;
    // Only the part of the source that exists is copied.
    const QRect wanted(srcX, srcY, width, height);
    const QRect available = wanted.intersected(src.bitmap()->rect());
    if (available.isEmpty())
        return true;
    QImage part = src.bitmap()->copy(available);
    if (dest.caps().isPaletteDevice() && dest.palette() && dest.paletteRealized())
        quantize(part, *dest.palette());

    QPainter painter(dest.bitmap().get());
    dest.preparePainter(painter);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(x + available.x() - srcX, y + available.y() - srcY), part);
    return true;
}

unsigned GetSystemPaletteEntries(const DeviceContext& dc, unsigned start, unsigned count, QRgb* entries)
{
    const DeviceCaps caps = dc.caps();
    const auto size = static_cast<unsigned>(caps.systemPalette.size());
    if (start >= size || !entries)
        return 0;
    const unsigned n = std::min(count, size - start);
    std::copy_n(caps.systemPalette.begin() + start, n, entries);
    return n;
}

Palette CreatePalette(std::vector<QRgb> entries)
{
    if (entries.empty() || entries.size() > 256)
        return nullptr;
    return std::make_shared<const std::vector<QRgb>>(std::move(entries));
}

Palette SelectPalette(DeviceContext& dc, Palette palette, bool)
{
    return dc.selectPalette(std::move(palette));
}

unsigned RealizePalette(DeviceContext& dc)
{
    if (!dc.palette() || !dc.caps().isPaletteDevice())
        return 0;
    dc.setPaletteRealized(true);
    return static_cast<unsigned>(dc.palette()->size());
}

} // namespace platform::draw
