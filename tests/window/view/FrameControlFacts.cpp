#include "FrameControlFacts.h"

#include "framecontrol/UltiFrame.h"

namespace viewtest {

std::optional<FrameControlFacts> frameControlFacts(const QWidget& widget)
{
    const auto* frame = qobject_cast<const framecontrol::UltiFrame*>(&widget);
    if (!frame)
        return std::nullopt;
    const platform::draw::Rect r = frame->captionRect();
    return FrameControlFacts{frame->Caption(),    frame->BackStyle(), frame->CornerRadius(),
                             frame->Appearance(), frame->Alignment(), frame->ForeColor(),
                             frame->Font(),       QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1))};
}

} // namespace viewtest
