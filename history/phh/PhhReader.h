#pragma once
// The reader of PHH hand histories (the open poker-hand-history standard,
// TOML): a .phh file holds one hand, a .phhs file many, each under a `[n]`
// table header. Only no-limit hold'em (`variant = 'NT'`) is read; hands of
// other variants are skipped as problems of kind "variant".

#include <filesystem>
#include <optional>
#include <string_view>

#include "history/model/HandHistory.h"
#include "history/readers/HandReader.h"

namespace history {

// The first bytes of a file look like PHH: TOML with a `variant =` line or a
// `[1]`-style header among its first lines.
bool looksLikePhh(std::string_view firstBytes);

// Reads the file from options.startOffset, a hand at a time, memory bounded by
// the largest hand and not by the file (see PhhStream.h for the rules on a
// last hand that may still be being written).
ReadSummary readPhhFile(const std::filesystem::path& path, HandSink& sink, const ReadOptions& options);

// One hand's TOML text: the body of one `[n]` section (with or without its
// header line) or a whole .phh file. Nothing when it is not a readable
// no-limit hold'em hand.
std::optional<HandHistory> readPhhHand(std::string_view text);

} // namespace history
