#include "framecontrol/FrameLayout.h"

namespace framecontrol {

int floorHalf(int n)
{
    // An arithmetic shift rounds down, and cannot overflow as negating can.
    return n >> 1;
}

int halfToEven(int n)
{
    const int down = floorHalf(n);
    if (n % 2 == 0)
        return down;
    // An exact half: down or down + 1, whichever is even.
    return down % 2 == 0 ? down : down + 1;
}

bool placeCaption(int alignment, const FrameOrigin& frame, int half, int captionWidth, int captionHeight, Rect& rc)
{
    const int atLeft = frame.left + half + 5;
    const int atCentre = halfToEven(frame.width - captionWidth - 5);
    const int atRight = frame.width - captionWidth - (half + 9);
    const int atTop = frame.top;
    const int atBottom = frame.height - captionHeight;
    int left = 0;
    int top = 0;
    switch (alignment) {
    case 0: left = atLeft, top = atTop; break;
    case 1: left = atCentre, top = atTop; break;
    case 2: left = atRight, top = atTop; break;
    case 3: left = atLeft, top = atBottom; break;
    case 4: left = atCentre, top = atBottom; break;
    case 5: left = atRight, top = atBottom; break;
    default: return false;
    }
    rc = Rect{left, top, left + captionWidth + 4, top + captionHeight};
    return true;
}

bool placeBorder(int alignment, const FrameOrigin& frame, int captionHeight, Rect& rc)
{
    const int middle = floorHalf(captionHeight);
    if (alignment >= 0 && alignment <= 2) {
        rc = Rect{frame.left, frame.top + middle, frame.width, frame.height};
        return true;
    }
    if (alignment >= 3 && alignment <= 5) {
        rc = Rect{frame.left, frame.top, frame.width, frame.height - middle};
        return true;
    }
    return false;
}

} // namespace framecontrol
