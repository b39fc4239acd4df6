#pragma once
// One PHH hand from its TOML text into the hand model: the part of the reader
// that knows the PHH fields and the action notation. The splitter
// (PhhStream.h) and readPhhHand share it.

#include <cstdint>
#include <string>
#include <string_view>

#include "history/model/HandHistory.h"

namespace history::phh {

enum class HandStatus : std::uint8_t {
    Ok,
    Syntax,     // toml++ refused the text
    Variant,    // a game other than no-limit hold'em
    Incomplete, // a field missing, of the wrong type or length, an action that cannot be
};

struct HandResult {
    HandStatus status = HandStatus::Ok;
    std::uint64_t line = 0; // for Syntax: the 1-based line of the error within the text
    std::string reason;     // empty when Ok
};

// Fills `hand` (reset first; its vectors keep their capacity) from one hand's
// TOML text, which must hold no `[n]` header of its own.
HandResult buildPhhHand(std::string_view toml, HandHistory& hand);

// A line `[<digits>]` at column 0, maybe with spaces or tabs inside the
// brackets and spaces, a `#` comment or a CR after them. `line` holds no "\n".
bool isSectionHeader(std::string_view line);

// The problem kind of a status: "syntax", "variant", "incomplete-data".
const char* problemKind(HandStatus status);

} // namespace history::phh
