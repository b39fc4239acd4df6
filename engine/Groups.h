#pragma once
// The eight hand groups, strongest first.

#include <string_view>

namespace engine {

inline constexpr std::string_view kNotRanked = "Not Ranked";

// The group of a hand text: "1" to "8", or "Not Ranked" for any text in no
// group (the empty text included).
std::string_view groupOf(std::string_view handText);

} // namespace engine
