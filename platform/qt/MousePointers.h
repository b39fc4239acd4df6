#pragma once
// Mouse pointer numbers and the cursors they stand for.

#include <cstdint>
#include <optional>

#include <Qt>

namespace platform::qt {

inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerCustom = 99; // the MouseIcon picture

bool isMousePointer(int pointer);
// The shape of a standard pointer (1 to 15); nullopt for 0 and 99.
std::optional<Qt::CursorShape> cursorShapeOf(int pointer);

} // namespace platform::qt
