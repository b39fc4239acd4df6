#pragma once
// Where Tab and the arrow keys take the focus on a form.
//
// Tab visits the controls that take the focus in tab order, with each option
// group counting once: at its selected option, or at its first option in tab
// order while none is selected. Within a group the arrow keys go to the next
// or previous option in tab order, round the group.

#include "platform/form/Form.h"
#include "platform/form/ToggleControls.h"

namespace window::view {

// The next tab stop after `from` (backwards: before it), round the form; null
// when nothing can take the focus. `from` may be null or any control.
platform::Control* nextTabStop(const platform::Form& form, platform::Control* from, bool backwards);

// The option the arrow keys go to from `from`; `from` itself when it is alone.
platform::OptionButton& nextInGroup(platform::OptionButton& from, bool backwards);

} // namespace window::view
