#include "window/review/DifferenceList.h"

#include <charconv>

#include "window/review/ReviewText.h"
#include "window/review/SituationGrid.h"

namespace window::review {

std::string_view columnTitle(DifferenceColumn column)
{
    switch (column) {
    case DifferenceColumn::Hand: return "Hand";
    case DifferenceColumn::Cards: return "Cards";
    case DifferenceColumn::Seat: return "Seat";
    case DifferenceColumn::Before: return "Before";
    case DifferenceColumn::Played: return "Played";
    case DifferenceColumn::Advised: return "Advised";
    case DifferenceColumn::Verdict: return "Verdict";
    case DifferenceColumn::Net: return "Net BB";
    }
    return "";
}

std::string playedText(const history::Decision& d)
{
    const std::string bb = number(d.toBB, 1) + " BB";
    switch (d.action) {
    case history::Move::Fold: return "fold";
    case history::Move::Check: return "check";
    case history::Move::Call: return "call " + bb;
    case history::Move::Raise: return "raise to " + bb;
    }
    return "";
}

std::string advisedText(const history::Decision& d)
{
    switch (d.advice) {
    case engine::BetClass::Fold: return "fold";
    case engine::BetClass::Call: return "call";
    case engine::BetClass::Advice: return "read the advice";
    case engine::BetClass::Raise: break;
    }
    std::string text = "raise";
    if (d.adviceLowBB) {
        text += " " + number(*d.adviceLowBB, 1);
        if (d.adviceHighBB && number(*d.adviceHighBB, 1) != number(*d.adviceLowBB, 1))
            text += "-" + number(*d.adviceHighBB, 1);
        text += " BB";
    }
    return text;
}

std::string verdictText(const history::Decision& d)
{
    std::string text = verdictCaption(d.verdict);
    if (d.verdict == history::Verdict::Ungraded && !d.reason.empty())
        text += ": " + std::string(d.reason);
    else if (d.size && *d.size != history::SizeVerdict::Within)
        text += *d.size == history::SizeVerdict::Below ? " (raise below)" : " (raise above)";
    return text;
}

void DifferenceList::setRows(std::vector<store::DecisionRow> rows)
{
    rows_ = std::move(rows);
    refilter();
}

void DifferenceList::setFilter(const ReviewFilter& filter)
{
    filter_ = filter;
    refilter();
}

void DifferenceList::refilter()
{
    shown_.clear();
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (filter_.matches(rows_[i].decision))
            shown_.push_back(i);
}

std::string DifferenceList::text(std::size_t i, DifferenceColumn column) const
{
    const store::DecisionRow& r = row(i);
    const history::Decision& d = r.decision;
    switch (column) {
    case DifferenceColumn::Hand: return r.site.empty() ? "#" + r.handNumber : r.site + " #" + r.handNumber;
    case DifferenceColumn::Cards: return d.cards.text();
    case DifferenceColumn::Seat: return std::string(d.seat) + " of " + std::to_string(d.players);
    case DifferenceColumn::Before: {
        std::string text(rowCaption(d.before));
        if (d.before == engine::PreflopAction::Limped)
            text += " (" + std::to_string(d.limpers) + (d.limpers == 1 ? " limper)" : " limpers)");
        return text;
    }
    case DifferenceColumn::Played: return playedText(d);
    case DifferenceColumn::Advised: return advisedText(d);
    case DifferenceColumn::Verdict: return verdictText(d);
    case DifferenceColumn::Net: return d.netBB ? signedNumber(*d.netBB, 1) : "";
    }
    return "";
}

std::optional<double> DifferenceList::numericValue(std::size_t i, DifferenceColumn column) const
{
    const store::DecisionRow& r = row(i);
    if (column == DifferenceColumn::Net)
        return r.decision.netBB;
    if (column == DifferenceColumn::Hand) {
        double value = 0;
        const char* first = r.handNumber.data();
        const char* last = first + r.handNumber.size();
        if (auto [end, error] = std::from_chars(first, last, value); error == std::errc{} && end == last)
            return value;
    }
    return std::nullopt;
}

} // namespace window::review
