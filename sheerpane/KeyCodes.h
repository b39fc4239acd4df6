#pragma once
// Key codes as key events carry them (65 for A, 13 for Return, 112 for F1,
// ...) from Qt's keys, and the Shift argument from the modifiers.

#include <cstdint>

#include <Qt>

namespace sheerpane {

// 0 for a key that has no code.
std::int16_t keyCodeOf(int qtKey, Qt::KeyboardModifiers modifiers);
// 1 shift, 2 control, 4 alt.
std::int16_t shiftOf(Qt::KeyboardModifiers modifiers);

} // namespace sheerpane
