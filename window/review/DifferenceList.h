#pragma once
// The rows of the list of decisions: each graded decision as a line of text
// (the hand, the cards, the seat, what came before, what the player did, what
// the advisor says, the verdict, the result), filtered as the review's
// selectors ask.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/HandStore.h"
#include "window/review/ReviewFilter.h"

namespace window::review {

enum class DifferenceColumn { Hand, Cards, Seat, Before, Played, Advised, Verdict, Net };
inline constexpr std::size_t kDifferenceColumns = 8;
std::string_view columnTitle(DifferenceColumn column);

class DifferenceList {
public:
    // Replaces every row; the filter stays.
    void setRows(std::vector<store::DecisionRow> rows);
    void setFilter(const ReviewFilter& filter);
    const ReviewFilter& filter() const { return filter_; }

    // The rows the filter lets through, in the store's order.
    std::size_t size() const { return shown_.size(); }
    const store::DecisionRow& row(std::size_t i) const { return rows_[shown_[i]]; }
    std::string text(std::size_t i, DifferenceColumn column) const;
    // For sorting: the number behind a column that has one (the hand number, the net result).
    std::optional<double> numericValue(std::size_t i, DifferenceColumn column) const;

private:
    void refilter();

    std::vector<store::DecisionRow> rows_;
    std::vector<std::size_t> shown_;
    ReviewFilter filter_;
};

// What the player did: "fold", "check", "call 1 BB", "raise to 3 BB".
std::string playedText(const history::Decision& d);
// What the advisor says: "raise 3-4 BB", "call", "fold", "read the advice".
std::string advisedText(const history::Decision& d);
// The verdict with what qualifies it: "Tighter", "Follows (raise below)", "Ungraded: heads-up".
std::string verdictText(const history::Decision& d);

} // namespace window::review
