#pragma once
// The desktop's own colours with every role set, for a widget that keeps them
// on a coloured window: a palette that leaves a role unset would take the
// window's colour for it.

#include <QPalette>

namespace platform::qt {

QPalette systemPalette();

} // namespace platform::qt
