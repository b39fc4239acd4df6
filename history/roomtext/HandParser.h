#pragma once
// Reads one hand's text into the hand model. One parser is reused hand after
// hand so that its working vectors keep their room.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/model/HandHistory.h"

namespace history::roomtext {

struct HandFailure {
    std::string kind;   // "syntax", "variant", "incomplete-data"
    std::string reason;
};

class HandParser {
public:
    // False when the hand cannot be read; failure() then says why.
    bool parse(std::string_view text, HandHistory& hand);
    const HandFailure& failure() const { return failure_; }

private:
    static constexpr int kMaxSeatNumber = 10;

    struct Seat {
        std::string_view name;
        int number = 0;
        double stack = 0;
        bool dealtIn = false;
        std::optional<HoleCards> cards;
        double live = 0;      // the live bet on the current street
        double putIn = 0;
        double collected = 0;
        int playerIndex = -1;
    };
    struct SeatAction {
        Action action;
        std::size_t seat = 0;
    };
    enum class Section : std::uint8_t { Seats, Play, Summary };

    bool fail(std::string_view kind, std::string reason);
    bool readLine(std::string_view line, HandHistory& hand);
    bool readSeatLine(std::string_view line);
    bool readStreetLine(std::string_view line, HandHistory& hand);
    bool readPlayerLine(std::size_t seat, std::string_view verb, HandHistory& hand);
    bool readSummaryLine(std::string_view line, HandHistory& hand);
    bool readDealtTo(std::string_view rest);
    bool readUncalledBet(std::string_view line);
    bool setCards(std::size_t seat, std::string_view bracketed);
    bool addAction(std::size_t seat, ActionKind kind, double added, bool allIn);
    bool finish(HandHistory& hand);

    // The seat whose name starts `line` followed by `separator`, the longest
    // such name; `rest` is what follows the separator.
    std::optional<std::size_t> seatByName(std::string_view line, std::string_view separator,
                                          std::string_view& rest) const;
    // The same for "name: ...", the form of most lines.
    std::optional<std::size_t> seatByNameColon(std::string_view line, std::string_view& rest) const;

    HandFailure failure_;
    std::vector<Seat> seats_;
    std::vector<std::string_view> names_; // the seats' names, packed for the look-up of every line
    bool nameHoldsColon_ = false;         // some name holds ": ", so a line's first ": " may be inside it
    std::vector<SeatAction> actions_;
    std::vector<std::size_t> order_;
    Section section_ = Section::Seats;
    Street street_ = Street::Preflop;
    int buttonSeat_ = 0;
    bool sawSummary_ = false;
    bool sawCollect_ = false;
    double postedSmallBlind_ = 0;
    double postedBigBlind_ = 0;
};

} // namespace history::roomtext
