#include "platform/qt/EtchedFrame.h"

#include <QPainter>

namespace platform::qt {

EtchedFrameLayout layOutEtchedFrame(int width, int height, int onePixel, int captionHeight)
{
    const int W = width;
    const int H = height;
    const int T = onePixel;
    const int h = captionHeight / 2;

    EtchedFrameLayout layout;
    // Nine pixels in from the left, on the top edge.
    layout.captionLeft = 9 * T;
    layout.captionTop = 0;
    layout.top = {LineEnds{0, h, W, h}, LineEnds{0, h + T, W, h + T}};
    layout.left = {LineEnds{0, h, 0, H}, LineEnds{T, h + T, T, H}};
    layout.bottom = {LineEnds{0, H - T, W, H - T}, LineEnds{0, H - 2 * T, W - T, H - 2 * T}};
    layout.right = {LineEnds{W - T, h, W - T, H - T}, LineEnds{W - 2 * T, h, W - 2 * T, H}};
    return layout;
}

void drawFrameLine(QPainter& painter, const QPoint& from, const QPoint& to, const QColor& colour)
{
    if (from == to)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 0));
    const auto step = [](int d) { return d > 0 ? 1 : (d < 0 ? -1 : 0); };
    const QPoint delta = to - from;
    painter.drawLine(from, to - QPoint(step(delta.x()), step(delta.y())));
    painter.restore();
}

void paintEtchedFrame(QPainter& painter, const QSize& size, int captionHeight, const QColor& shadow,
                      const QColor& highlight)
{
    const EtchedFrameLayout layout = layOutEtchedFrame(size.width(), size.height(), 1, captionHeight);
    const auto draw = [&](const std::array<LineEnds, 2>& pair, const std::array<std::uint32_t, 2>& colours) {
        for (std::size_t i = 0; i < 2; ++i)
            drawFrameLine(painter, QPoint(pair[i].x1, pair[i].y1), QPoint(pair[i].x2, pair[i].y2),
                          colours[i] == kEtchShadow ? shadow : highlight);
    };
    // In the order the line objects stand, the later over the earlier.
    draw(layout.top, kTopLeftColours);
    draw(layout.left, kTopLeftColours);
    draw(layout.right, kBottomRightColours);
    draw(layout.bottom, kBottomRightColours);
}

} // namespace platform::qt
