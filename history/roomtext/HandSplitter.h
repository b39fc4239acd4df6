#pragma once
// Cuts the lines of an export into hands. A hand starts at its header line and
// ends at the blank line after its summary, at the next header, or at the end
// of the source. The last hand is given only when it is whole (its summary and
// a blank line after it, or the source is complete); otherwise it is left for
// a later read, and resumeOffset() stays before it. Text outside any hand comes
// out as a stray piece, so that nothing is dropped unseen.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "history/roomtext/LineReader.h"

namespace history::roomtext {

struct HandPiece {
    enum class Kind : std::uint8_t { Hand, Stray };
    Kind kind = Kind::Hand;
    std::string_view text;       // a hand's lines joined by '\n'; empty for stray text
    std::uint64_t firstLine = 0; // 1-based, counted from where the split started
    std::uint64_t startOffset = 0;
    std::uint64_t endOffset = 0; // just past the piece's last line
    bool lineTooLong = false;    // a hand whose text lacks a line too long to keep
    bool handTooLong = false;    // a hand longer than the splitter keeps
    bool atEndOfSource = false;  // stray text that ran to the end of the source
};

class HandSplitter {
public:
    static constexpr std::size_t kMaxHandBytes = std::size_t{1} << 20;

    HandSplitter(LineReader& lines, std::uint64_t startOffset, bool sourceIsComplete);

    bool next(HandPiece& piece);
    // Where a later read starts: past every piece given and the blank lines after.
    std::uint64_t resumeOffset() const { return resume_; }
    bool sawHand() const { return sawHand_; }

private:
    void startHand(const Line& line);
    void append(const Line& line);
    void finishHand(HandPiece& piece);
    void finishStray(HandPiece& piece, bool atEnd);

    LineReader& lines_;
    bool complete_;
    std::uint64_t resume_;
    std::uint64_t lineNumber_ = 0;
    bool sawHand_ = false;

    bool inHand_ = false;
    bool hasSummary_ = false;
    bool lineTooLong_ = false;
    bool handTooLong_ = false;
    std::string text_;
    std::uint64_t handFirstLine_ = 0;
    std::uint64_t handStart_ = 0;
    std::uint64_t handEnd_ = 0;

    bool inStray_ = false;
    std::uint64_t strayFirstLine_ = 0;
    std::uint64_t strayStart_ = 0;
    std::uint64_t strayEnd_ = 0;
};

// Whether a line opens a hand.
bool isHandHeader(std::string_view line);

} // namespace history::roomtext
