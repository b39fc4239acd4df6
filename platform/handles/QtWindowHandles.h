#pragma once
// Window handles for Qt widgets, from the process registry: WmClose closes the
// widget, and the handle is released when the widget accepts a close or is
// destroyed. The handle is also kept on the widget (property "windowHandle"),
// so whoever holds the widget can find it.

#include <cstdint>

class QWidget;

namespace platform {

// Gives the top-level widget a handle (the same one on later calls).
std::intptr_t registerWidget(QWidget& widget);

// The widget's handle, or 0 if it has none.
std::intptr_t widgetHandle(const QWidget& widget);

// The widget with this handle, or null.
QWidget* widgetForHandle(std::intptr_t handle);

// Makes the process registry's message-pump step run Qt's pending events.
void installQtMessagePump();

} // namespace platform
