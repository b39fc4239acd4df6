#pragma once
// Reading hand-history files, a hand at a time, without holding the file in
// memory. Both formats share this interface: a reader walks the file from a
// byte offset, hands each complete hand to the sink with the byte offset where
// it ends, reports hands it cannot read, and stops before a last hand that is
// not complete yet (a file still being written), so that a later read from
// the returned offset takes it whole.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "history/model/HandHistory.h"

namespace history {

// A hand that was not taken, and why.
struct ReadProblem {
    std::string file;
    std::uint64_t line = 0;  // 1-based line of the hand's first line, 0 for the whole file
    std::string reason;      // a short phrase: "not hold'em no limit", "unreadable amount \"$x\"" ...
    // A stable word for counting skipped hands by reason: "variant", "syntax",
    // "incomplete-data", "not-a-hand-history", ...
    std::string kind;
};

class HandSink {
public:
    virtual ~HandSink() = default;
    // A complete hand. `text` is the hand's own text in the file (UTF-8), as a
    // reader can read it again alone; `endOffset` the file offset just past it.
    virtual void hand(const HandHistory& hand, std::string_view text, std::uint64_t endOffset) = 0;
    // A hand that was skipped; the reader goes on with the next one.
    virtual void problem(const ReadProblem& problem, std::uint64_t endOffset) = 0;
};

struct ReadSummary {
    std::uint64_t endOffset = 0; // where the next read of this file starts
    std::uint64_t hands = 0;     // hands handed to the sink
    std::uint64_t problems = 0;  // hands skipped
    bool notAHandHistory = false; // the file is no hand history at all (one problem says so)
    bool cancelled = false;
};

struct ReadOptions {
    std::uint64_t startOffset = 0;
    const std::atomic<bool>* cancel = nullptr; // checked between hands
    // Set when the file is final and a trailing partial hand is to be reported
    // instead of waited for. Off by default: a file may still be growing.
    bool fileIsComplete = false;
};

enum class FileFormat : std::uint8_t { Unknown, Phh, RoomText };

// The format from the file's name and its first bytes.
FileFormat detectFormat(const std::filesystem::path& path, std::string_view firstBytes);

// Reads one file of either format. Throws nothing for bad content (that is
// reported through the sink); an unreadable file is one problem of kind "io".
ReadSummary readHandHistoryFile(const std::filesystem::path& path, HandSink& sink, const ReadOptions& options = {});

// Reads one hand again from its text as the sink got it.
std::optional<HandHistory> readOneHand(FileFormat format, std::string_view text);

} // namespace history
