#include "sheerpane/BorderLayout.h"

namespace sheerpane {

BorderLayout layOutBorder(int width, int height, std::int16_t onePixel, int labelHeight)
{
    const int W = width;
    const int H = height;
    const int T = onePixel;
    const int h = labelHeight / 2;

    BorderLayout layout;
    // Nine pixels in from the left, on the top edge.
    layout.captionLeft = 9 * T;
    layout.captionTop = 0;
    layout.top = {LineEnds{0, h, W, h}, LineEnds{0, h + T, W, h + T}};
    layout.left = {LineEnds{0, h, 0, H}, LineEnds{T, h + T, T, H}};
    layout.bottom = {LineEnds{0, H - T, W, H - T}, LineEnds{0, H - 2 * T, W - T, H - 2 * T}};
    layout.right = {LineEnds{W - T, h, W - T, H - T}, LineEnds{W - 2 * T, h, W - 2 * T, H}};
    return layout;
}

} // namespace sheerpane
