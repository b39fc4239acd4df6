#pragma once
// The eight hand groups, strongest first.

#include <cstdint>
#include <string_view>

namespace engine {

// A hand's group: 1 (strongest) to 8, or NotRanked for any text in no group.
enum class HandGroup : std::uint8_t { NotRanked = 0, G1, G2, G3, G4, G5, G6, G7, G8 };

inline constexpr std::string_view kNotRanked = "Not Ranked";

// The group of a hand text (the empty text and texts that are no hand
// included, which are in no group).
HandGroup groupOf(std::string_view handText);

// As the window shows it: "1" to "8", or "Not Ranked".
std::string_view groupText(HandGroup group);

} // namespace engine
