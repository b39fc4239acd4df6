#pragma once
// The window's "Pre-Flop" frame: the one control of the window that is a
// frame control with a see-through background, so the logo behind it shows
// and takes clicks between its border and its controls.

#include "window/model/Layout.h"

class QWidget;

namespace window::view {

class Metrics;

QWidget* makePreFlopFrame(const ControlLayout& layout, QWidget& parent, const Metrics& metrics);

} // namespace window::view
