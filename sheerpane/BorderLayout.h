#pragma once
// Where the caption label and the eight border lines go for a control of a
// given size. Everything is in twips.

#include <array>
#include <cstdint>

namespace sheerpane {

struct LineEnds {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const LineEnds&) const = default;
};

// Each pair: the outer line (index 0), then the inner one (index 1).
struct BorderLayout {
    int captionLeft = 0;
    int captionTop = 0;
    std::array<LineEnds, 2> top;
    std::array<LineEnds, 2> left;
    std::array<LineEnds, 2> right;
    std::array<LineEnds, 2> bottom;
};

// width and height: the control's; onePixel: one pixel in twips;
// labelHeight: the caption label's height. The top lines run through the
// label's middle, so the caption stands over them.
BorderLayout layOutBorder(int width, int height, std::int16_t onePixel, int labelHeight);

} // namespace sheerpane
