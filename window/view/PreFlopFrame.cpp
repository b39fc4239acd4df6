#include "window/view/PreFlopFrame.h"

#include "window/view/FormFrame.h"
#include "window/view/Metrics.h"

namespace window::view {

QWidget* makePreFlopFrame(const ControlLayout& layout, QWidget& parent, const Metrics&)
{
    auto* frame = new FormFrame(&parent);
    frame->setCaption(QString::fromUtf8(layout.caption.data(), static_cast<qsizetype>(layout.caption.size())));
    frame->setSeeThrough(true);
    return frame;
}

} // namespace window::view
