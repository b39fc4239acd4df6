#pragma once
// The window's "Pre-Flop" frame: the frame control, loaded from the property
// bag stored with the window. Its background is see-through, so the logo
// behind it shows and takes clicks between its border and its controls.

#include "window/model/Layout.h"

class QWidget;

namespace window::view {

// The frame control (framecontrol::UltiFrame), loaded.
QWidget* makePreFlopFrame(const ControlLayout& layout, QWidget& parent);

} // namespace window::view
