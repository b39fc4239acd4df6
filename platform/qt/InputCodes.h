#pragma once
// The codes key and mouse events carry: key codes (65 for A, 13 for Return,
// 112 for F1, 96 to 105 for the keypad's digits, ...) from Qt's keys, the
// Shift argument from the modifiers, the Button argument from the buttons.

#include <cstdint>

#include <Qt>

namespace platform::qt {

// 0 for a key that has no code.
std::int16_t keyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers);
// 1 shift, 2 control, 4 alt.
std::int16_t shiftOf(Qt::KeyboardModifiers modifiers);
// 1 left, 2 right, 4 middle; 0 for another button.
std::int16_t buttonOf(Qt::MouseButton button);
// The buttons held, combined.
std::int16_t buttonsOf(Qt::MouseButtons buttons);

} // namespace platform::qt
