#pragma once
// The number of limpers, read from the limper box's text.

#include <optional>
#include <string_view>

namespace platform {
class Money;
}

namespace engine {

// The count, converted as the big blind is. Only digits can be typed there,
// any number of them: a count of more digits than a double holds is infinite,
// and the amounts built on it say they are too large. A box that is empty,
// or holds text that is no number (pasted), gives no count, and the rules
// that need one treat it as missing.
std::optional<double> limperCount(std::string_view text, const platform::Money& money);

} // namespace engine
