// Rounded rectangles, clipping and client rectangles.

#include <algorithm>
#include <utility>

#include <QPainter>
#include <QPen>

#include "platform/draw/Gdi.h"

namespace platform::draw {

namespace {

// Dash patterns of one-pixel pens, in pixels: on, off, on, off...
QList<qreal> dashPattern(int style)
{
    switch (style) {
    case PS_DASH: return {18, 6};
    case PS_DOT: return {3, 3};
    case PS_DASHDOT: return {9, 6, 3, 6};
    case PS_DASHDOTDOT: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

QPen toQPen(const Pen& pen)
{
    QPen qpen(toQColor(pen.colour));
    qpen.setWidth(std::max(pen.width, 1));
    qpen.setCosmetic(pen.width <= 1);
    qpen.setJoinStyle(Qt::MiterJoin);
    qpen.setCapStyle(Qt::FlatCap);
    const auto dashes = dashPattern(pen.style);
    if (!dashes.isEmpty()) {
        qpen.setDashPattern(dashes);
        // Qt's one-pixel lines leave out their first pixel, which the
        // platform's draw: start the pattern one pixel on, so that the dashes
        // fall on the same pixels along the edges.
        qpen.setDashOffset(1);
    }
    return qpen;
}

int regionKind(const QRegion& region)
{
    if (region.isEmpty())
        return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

} // namespace

bool RoundRect(DeviceContext& dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    if (!dc.bitmap() || dc.bitmap()->isNull())
        return false;
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    const Pen& pen = dc.pen();
    if (pen.style == PS_NULL || right - left < 1 || bottom - top < 1)
        return true;

    // The outline runs along the outermost pixels left..right-1, top..bottom-1;
    // an inside-frame pen of more than one pixel keeps its width inside them.
    double inset = 0;
    if (pen.style == PS_INSIDEFRAME && pen.width > 1)
        inset = (pen.width - 1) / 2.0;
    const QRectF outline(left + inset, top + inset, right - left - 1 - 2 * inset, bottom - top - 1 - 2 * inset);
    const double rx = std::clamp(ellipseWidth, 0, right - left) / 2.0;
    const double ry = std::clamp(ellipseHeight, 0, bottom - top) / 2.0;

    QPainter painter(dc.bitmap().get());
    dc.preparePainter(painter);
    painter.setPen(toQPen(pen));
    painter.setBrush(Qt::NoBrush);
    if (rx < 1 || ry < 1) {
        painter.drawRect(outline);
        // The figure starts, with a dash, at its top left pixel, which Qt
        // leaves to the closing edge (and so to wherever the pattern ends).
        if (!dashPattern(pen.style).isEmpty())
            painter.fillRect(QRect(QPoint(left, top), QSize(1, 1)), toQColor(pen.colour));
    } else
        painter.drawRoundedRect(outline, rx, ry, Qt::AbsoluteSize);
    return true;
}

int ExcludeClipRect(DeviceContext& dc, int left, int top, int right, int bottom)
{
    QRegion region = dc.clip().value_or(QRegion(0, 0, dc.bitmap() ? dc.bitmap()->width() : 0,
                                                dc.bitmap() ? dc.bitmap()->height() : 0));
    if (right > left && bottom > top)
        region -= QRegion(left, top, right - left, bottom - top);
    dc.setClip(region);
    return regionKind(region);
}

bool GetClientRect(const QPaintDevice& device, Rect& rc)
{
    return SetRect(rc, 0, 0, device.width(), device.height());
}

} // namespace platform::draw
