#pragma once
// The etched frame both frame controls and the window's frames show: a dark
// line with a light line inside it at the top and left, a light line with a
// dark line inside it at the right and bottom, and a caption set into the top
// edge nine pixels in, the top lines running through the caption's middle.

#include <array>
#include <cstdint>

class QColor;
class QPainter;
class QPoint;
class QSize;

namespace platform::qt {

struct LineEnds {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const LineEnds&) const = default;
};

// Each pair: the outer line (index 0), then the inner one (index 1).
struct EtchedFrameLayout {
    int captionLeft = 0;
    int captionTop = 0;
    std::array<LineEnds, 2> top;
    std::array<LineEnds, 2> left;
    std::array<LineEnds, 2> right;
    std::array<LineEnds, 2> bottom;
};

// The stored colours of each pair, outer line first: button shadow and 3-D
// highlight.
inline constexpr std::uint32_t kEtchShadow = 0x80000010;
inline constexpr std::uint32_t kEtchHighlight = 0x80000014;
inline constexpr std::array<std::uint32_t, 2> kTopLeftColours{kEtchShadow, kEtchHighlight};
inline constexpr std::array<std::uint32_t, 2> kBottomRightColours{kEtchHighlight, kEtchShadow};

// width and height: the frame's; onePixel: one pixel in the unit used (1 for
// pixels, 15 for twips at 96 dots per inch); captionHeight: the caption's
// height, 0 for none.
EtchedFrameLayout layOutEtchedFrame(int width, int height, int onePixel, int captionHeight);

// A line as line objects draw it: one pixel wide, the end point left out
// (it belongs to whatever comes next).
void drawFrameLine(QPainter& painter, const QPoint& from, const QPoint& to, const QColor& colour);

// The whole frame in pixels, for a widget that paints it itself; what lies
// under the caption is the caller's to leave out (clip it).
void paintEtchedFrame(QPainter& painter, const QSize& size, int captionHeight, const QColor& shadow,
                      const QColor& highlight);

} // namespace platform::qt
