#pragma once
// A control of the form model and the widget that shows it (for the combo
// box, the box; its field comes along as the text widget).

#include <optional>
#include <string_view>

#include <QString>

#include "platform/form/Control.h"
#include "platform/form/TextControl.h"
#include "window/view/TextWidget.h"

class QWidget;

namespace window::view {

struct BoundControl {
    platform::Control* control;
    QWidget* widget;
    std::optional<TextWidget> text; // text boxes and the combo's field
};

inline bool isMultiLine(const platform::Control& c)
{
    return c.kind() == platform::ControlKind::TextBox && static_cast<const platform::TextBox&>(c).multiLine();
}

} // namespace window::view
