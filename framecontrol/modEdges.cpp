#include "framecontrol/modEdges.h"

#include <optional>

#include <QRegion>

#include "framecontrol/PictureBox.h"
#include "framecontrol/TranslateColor.h"
#include "platform/draw/Gdi.h"

namespace framecontrol::modEdges {

using namespace platform::draw;

namespace {

// Draws one rounded outline in its own pen and puts the previous pen back.
void outline(DeviceContext& dc, int style, std::uint32_t colour, int left, int top, int right, int bottom, int radius)
{
    const Pen pen = CreatePen(style, 1, TranslateColor(colour));
    const Pen previous = SelectObject(dc, pen);
    RoundRect(dc, left, top, right, bottom, radius, radius);
    SelectObject(dc, previous);
}

// Gives a device context its clip region back when the edge is done, so the
// caption drawn later is not clipped.
class ClipRestore {
public:
    explicit ClipRestore(DeviceContext& dc) : dc_(dc), saved_(dc.clip()) {}
    ~ClipRestore() { dc_.setClip(saved_); }
    ClipRestore(const ClipRestore&) = delete;
    ClipRestore& operator=(const ClipRestore&) = delete;

private:
    DeviceContext& dc_;
    std::optional<QRegion> saved_;
};

} // namespace

void DrawFlatEdge(DeviceContext& target, PictureBox& pic, const Rect& border, const Rect&, std::uint32_t colour,
                  std::int32_t penStyle, std::int32_t cornerRadius)
{
    outline(pic.hDC(), penStyle, colour, border.left, border.top, border.right, border.bottom, cornerRadius);
    BitBlt(target, 0, 0, pic.ScaleWidth(), pic.ScaleHeight(), pic.hDC(), 0, 0, SRCCOPY);
}

void Draw3DEdge(DeviceContext& target, PictureBox& pic, const Rect& border, const Rect& caption,
                std::uint32_t colour1, std::uint32_t colour2, std::int32_t cornerRadius)
{
    DeviceContext& dc = pic.hDC();
    {
        ClipRestore restore(dc);
        ExcludeClipRect(dc, caption.left, caption.top, caption.right, caption.bottom);
        outline(dc, PS_SOLID, colour1, border.left + 1, border.top + 1, border.right, border.bottom, cornerRadius);
        outline(dc, PS_SOLID, colour2, border.left, border.top, border.right - 1, border.bottom - 1, cornerRadius);
    }
    BitBlt(target, 0, 0, pic.ScaleWidth(), pic.ScaleHeight(), dc, 0, 0, SRCCOPY);
}

} // namespace framecontrol::modEdges
