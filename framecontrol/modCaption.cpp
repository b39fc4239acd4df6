#include "framecontrol/modCaption.h"

#include "framecontrol/PictureBox.h"
#include "framecontrol/TranslateColor.h"
#include "platform/draw/Gdi.h"

namespace framecontrol::modCaption {

using namespace platform::draw;

Rect MeasureCaption(PictureBox& pic, const std::string& text, std::int32_t captionStyle)
{
    Rect rc;
    GetClientRect(pic, rc);
    rc.left += 7;
    rc.right -= 7;
    const unsigned format = DT_CALCRECT | (captionStyle == 0 ? DT_SINGLELINE : DT_WORDBREAK);
    DrawText(pic.hDC(), text, rc, format);
    return rc;
}

void DrawCaption(DeviceContext& target, PictureBox& pic, const std::string& text, Rect& rc, bool enabled,
                 std::int32_t font3D, std::int32_t alignment)
{
    const std::uint32_t textColour = pic.ForeColor();
    const unsigned format = (alignment >= 3 && alignment <= 5) ? (DT_WORDBREAK | DT_RIGHT) : DT_WORDBREAK;
    DeviceContext& dc = pic.hDC();

    if (!enabled) {
        SetTextColor(dc, TranslateColor(kEffectHighlight));
        OffsetRect(rc, 1, 1);
        DrawText(dc, text, rc, format);
        SetTextColor(dc, TranslateColor(kEffectShadow));
        OffsetRect(rc, -1, -1);
        DrawText(dc, text, rc, format);
        SetTextColor(dc, TranslateColor(textColour));
    } else {
        const auto copyIn = [&](std::uint32_t colour, int dx, int dy) {
            pic.setForeColor(colour);
            OffsetRect(rc, dx, dy);
            DrawText(dc, text, rc, format);
            OffsetRect(rc, -dx, -dy);
        };
        switch (font3D) {
        case 1: copyIn(kEffectHighlight, -1, -1); break;
        case 2:
            copyIn(kEffectHighlight, -1, -1);
            copyIn(kEffectShadow, 1, 1);
            break;
        case 3: copyIn(kEffectHighlight, 1, 1); break;
        case 4:
            copyIn(kEffectShadow, -1, -1);
            copyIn(kEffectHighlight, 1, 1);
            break;
        case 5: copyIn(kEffectShadow, 1, 1); break;
        default: break;
        }
        pic.setForeColor(textColour);
        DrawText(dc, text, rc, format);
    }
    BitBlt(target, rc.left, rc.top, rc.width(), rc.height(), dc, rc.left, rc.top, SRCCOPY);
}

} // namespace framecontrol::modCaption
