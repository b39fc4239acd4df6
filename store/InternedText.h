#pragma once
// Texts read back from the store where a Decision holds a std::string_view
// (its seat and the reason it is not graded): each distinct text is kept once
// for the life of the program. There are only a few dozen of them.

#include <string_view>

namespace store {

std::string_view internedText(std::string_view text);

} // namespace store
