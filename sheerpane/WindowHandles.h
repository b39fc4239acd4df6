#pragma once
// Window handles for the library's windows: numbers kept on the widgets
// themselves (a dynamic property) and counted on the application object, so
// that every copy of this code in a process hands out the same numbers and a
// handle is never given out twice. Nothing is kept in the library itself.

#include <cstdint>

class QWidget;

namespace sheerpane {

// The widget's handle, given on first request. Needs a running application.
std::int32_t windowHandleOf(QWidget& widget);

// The live widget with this handle, or null.
QWidget* windowOfHandle(std::int32_t handle);

} // namespace sheerpane
