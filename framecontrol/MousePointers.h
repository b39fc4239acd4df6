#pragma once
// Mouse pointer numbers and the cursors they stand for.

#include <cstdint>
#include <optional>

#include <Qt>

namespace framecontrol {

inline constexpr std::int32_t kPointerDefault = 0;
inline constexpr std::int32_t kPointerCustom = 99; // the MouseIcon picture

bool isMousePointer(std::int32_t pointer);
// The shape of a standard pointer (1 to 15); nullopt for 0 and 99.
std::optional<Qt::CursorShape> cursorShapeOf(std::int32_t pointer);

} // namespace framecontrol
