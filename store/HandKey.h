#pragma once
// The key a hand is stored under, so that each hand is stored once: its site
// and hand number, or, for a hand without a number, a digest of its text.

#include <string>
#include <string_view>

#include "history/model/HandHistory.h"

namespace store {

// 32 hex digits: two 64-bit FNV-1a hashes of the bytes from different offsets.
std::string textDigest(std::string_view bytes);

// Writes the key into `key` (reused between hands to spare allocations).
void handKey(const history::HandHistory& hand, std::string_view text, std::string& key);

} // namespace store
