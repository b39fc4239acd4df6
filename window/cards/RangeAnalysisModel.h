#pragma once
// The range analysis, free of widgets: for one opponent's range it says which
// of its three counts the input allows, holds their results as they come and
// gives the texts, rows and points the panel shows.
//
// - Hand classes: the hand's equity against each hand class of the range
//   (needs a hand and a range), sortable by any column.
// - Board: how the range's combinations split over the made hands, the draws
//   and the post-flop categories (needs a range and a board of 3 to 5 cards).
// - Next card: the hand's equity after each card that can come next (needs a
//   hand, a range and a board of 3 or 4 cards).

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "engine/board/ClassBreakdown.h"
#include "engine/board/NextCardEquity.h"
#include "engine/board/RangeSplit.h"
#include "platform/money/Money.h"
#include "window/cards/RangeAnalysisInput.h"

namespace window::cards {

enum class AnalysisPart : std::uint8_t { Breakdown, Split, NextCard };
inline constexpr int kAnalysisPartCount = 3;

enum class PartState : std::uint8_t {
    Unavailable, // the input lacks what the part needs; see message()
    Counting,
    Done,
    Failed,      // the engine refused the input; see message()
};

// Whether the input holds what a part needs, and if not, the sentence
// telling the player what to add ("" when it is available).
std::string missingFor(AnalysisPart part, const RangeAnalysisInput& input);
inline bool availableFor(AnalysisPart part, const RangeAnalysisInput& input)
{
    return missingFor(part, input).empty();
}

enum class BreakdownColumn : std::uint8_t { Class, Combos, Weight, Win, Tie, Equity };
inline constexpr int kBreakdownColumnCount = 6;
enum class SortOrder : std::uint8_t { Ascending, Descending };

// A weighted count with up to two decimals and no trailing zeros: "6", "4.5".
std::string countText(double count, const platform::Money& money = platform::Money::process());

// "Class", "Combos", "Weight", "Win", "Tie", "Equity".
std::string columnTitle(BreakdownColumn column);
// The class's cell in a column: "AKs", "4", "3.5", "45.7%".
std::string cellText(const engine::board::ClassEquity& row, BreakdownColumn column,
                     const platform::Money& money = platform::Money::process());
// Sorts by one column. The class column sorts by pre-flop strength (the
// order a percentage range takes hands in), ascending from the strongest;
// rows equal in another column keep that order whichever the direction, so
// a sort gives the same rows every time.
void sortClasses(std::vector<engine::board::ClassEquity>& rows, BreakdownColumn column, SortOrder order);

// One result of a count, from the worker: the part it belongs to and, once
// finished, its result (exactly one of the three, the one of its part).
struct RangeAnalysisUpdate {
    std::uint64_t run = 0;
    AnalysisPart part = AnalysisPart::Split;
    bool finished = false;
    double fraction = 0.0;
    std::optional<engine::cards::Parsed<engine::board::RangeSplit>> split;
    std::optional<engine::board::ClassBreakdown> breakdown;
    std::optional<engine::board::NextCardEquity> nextCard;
};

// Counts every part the input allows, one after the other (the board first,
// as it is quickest), and sends each its progress and its result. A stop
// ends it early; what was stopped is not sent.
void runRangeAnalysis(const RangeAnalysisInput& input, std::uint64_t run, std::stop_token stop,
                      const std::function<void(RangeAnalysisUpdate)>& send);

// A point of the next-card plot: x is the card's place in the deck's order
// (spades two to ace, then hearts, diamonds, clubs: 0 to 51), y its equity.
struct NextCardPoint {
    double x = 0.0;
    double equity = 0.0;
    engine::board::NextCard card;
};
double cardPlace(engine::cards::Card card);

class RangeAnalysisModel {
public:
    // Takes a new input: the results of the old one are dropped and the
    // parts it allows are counting. Returns false (and changes nothing but
    // the range's shown text) when the input asks for the same counts as the
    // one held.
    bool setInput(const RangeAnalysisInput& input);
    const RangeAnalysisInput& input() const { return input_; }
    // The run counting the current input (its worker's number); an update of
    // another run is ignored.
    std::uint64_t run() const { return run_; }
    void setRun(std::uint64_t run) { run_ = run; }

    PartState state(AnalysisPart part) const { return parts_[index(part)].state; }
    double progress(AnalysisPart part) const { return parts_[index(part)].fraction; }
    // Why a part is unavailable or failed; its progress while counting.
    std::string message(AnalysisPart part, const platform::Money& money = platform::Money::process()) const;
    // Takes an update of the current run; false for one of an older run.
    bool receive(const RangeAnalysisUpdate& update);

    // Hand classes
    const std::optional<engine::board::ClassBreakdown>& breakdown() const { return breakdown_; }
    // The classes in the order chosen (the strongest first, at first).
    const std::vector<engine::board::ClassEquity>& breakdownRows() const { return rows_; }
    void sortBreakdown(BreakdownColumn column, SortOrder order);
    // A click on a column's header: the same column turns its direction; a
    // new one starts with the best first (the strongest class, the most
    // combinations, the highest share).
    void clickBreakdownHeader(BreakdownColumn column);
    BreakdownColumn sortColumn() const { return sortColumn_; }
    SortOrder sortOrder() const { return sortOrder_; }
    // "AhKh against QQ+, AK on Qh 7s 2d (every deal counted): equity 72.1%,
    // win 70.0%, tie 4.2%".
    std::string breakdownSummary(const platform::Money& money = platform::Money::process()) const;

    // Board
    const std::optional<engine::board::RangeSplit>& split() const { return split_; }
    std::vector<engine::board::SplitLine> splitLines() const;
    std::vector<engine::board::SplitLine> splitLines(engine::board::SplitPart part) const;
    // "On Qh 7s 2d: 40 combinations possible" (with their weight when some
    // weights are below 1).
    std::string splitSummary() const;

    // Next card
    const std::optional<engine::board::NextCardEquity>& nextCard() const { return nextCard_; }
    std::vector<NextCardPoint> nextCardPoints() const;
    // The card whose point lies nearest to x, within half a place.
    std::optional<engine::board::NextCard> nextCardNear(double x) const;
    // "Kd: equity 62.3%, comes 2.1% of the time".
    static std::string nextCardText(const engine::board::NextCard& card,
                                    const platform::Money& money = platform::Money::process());
    // "Equity now 58.0%, the average of the next cards by their chance".
    std::string nextCardSummary(const platform::Money& money = platform::Money::process()) const;

private:
    struct Part {
        PartState state = PartState::Unavailable;
        double fraction = 0.0;
        std::string error;
    };
    static std::size_t index(AnalysisPart part) { return static_cast<std::size_t>(part); }
    std::string rangeName() const;

    RangeAnalysisInput input_;
    bool hasInput_ = false;
    std::uint64_t run_ = 0;
    std::array<Part, kAnalysisPartCount> parts_{};
    std::optional<engine::board::ClassBreakdown> breakdown_;
    std::vector<engine::board::ClassEquity> rows_;
    BreakdownColumn sortColumn_ = BreakdownColumn::Class;
    SortOrder sortOrder_ = SortOrder::Ascending;
    std::optional<engine::board::RangeSplit> split_;
    std::optional<engine::board::NextCardEquity> nextCard_;
};

} // namespace window::cards
