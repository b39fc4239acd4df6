#pragma once
// The window's "Pre-Flop" frame: the frame control, loaded from the property
// bag stored with the window. Its background is see-through, so the logo
// behind it shows and takes clicks between its border and its controls.

#include "window/model/Layout.h"

class QWidget;

namespace window::view {

// The frame control itself (framecontrol::UltiFrame); its header is kept out
// of the window's own sources, whose form model has a control named as the
// property bag's picture value.
QWidget* makePreFlopFrame(const ControlLayout& layout, QWidget& parent);

} // namespace window::view
