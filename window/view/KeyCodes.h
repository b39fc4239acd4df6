#pragma once
// The key codes and shift state the form's key-down event speaks.

class QKeyEvent;

namespace window::view {

// The key's code (65 for A, 112 for F1, 37 to 40 for the arrows...), or 0 for
// a key the form has no code for.
int formKeyCode(const QKeyEvent& event);

// 1 Shift, 2 Control, 4 Alt, combined.
int formShiftState(const QKeyEvent& event);

} // namespace window::view
