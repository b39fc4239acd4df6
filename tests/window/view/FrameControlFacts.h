#pragma once
// What the window's frame control holds, in the plain terms the tests
// compare.

#include <QFont>
#include <QRect>
#include <cstdint>
#include <optional>
#include <string>

class QWidget;

namespace viewtest {

struct FrameControlFacts {
    std::string caption;
    std::int32_t backStyle;
    std::int32_t cornerRadius;
    std::int32_t appearance;
    std::int32_t alignment;
    std::uint32_t foreColor;
    QFont font;
    QRect captionRect; // where the last redraw put the caption
};

// Nothing when the widget is not a frame control.
std::optional<FrameControlFacts> frameControlFacts(const QWidget& widget);

} // namespace viewtest
