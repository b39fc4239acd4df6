#pragma once
// A rectangle in pixels by its edges; right and bottom lie just outside it.

namespace platform::draw {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const noexcept { return right - left; }
    int height() const noexcept { return bottom - top; }
    bool isEmpty() const noexcept { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

inline bool SetRect(Rect& rc, int left, int top, int right, int bottom)
{
    rc = Rect{left, top, right, bottom};
    return true;
}

inline bool OffsetRect(Rect& rc, int dx, int dy)
{
    rc.left += dx;
    rc.right += dx;
    rc.top += dy;
    rc.bottom += dy;
    return true;
}

} // namespace platform::draw
