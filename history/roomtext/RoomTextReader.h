#pragma once
// The reader of the room's text export: hands one after another, separated by
// blank lines, each opening with "PokerStars Hand #...".

#include <filesystem>
#include <optional>
#include <string_view>

#include "history/model/HandHistory.h"
#include "history/readers/HandReader.h"

namespace history {

// Whether the first bytes of a file are this export's: after an optional
// byte-order mark (UTF-8 or UTF-16 LE), a hand's header line.
bool looksLikeRoomText(std::string_view firstBytes);

ReadSummary readRoomTextFile(const std::filesystem::path& path, HandSink& sink, const ReadOptions& options);

// One hand's UTF-8 text as the sink got it.
std::optional<HandHistory> readRoomTextHand(std::string_view text);

} // namespace history
