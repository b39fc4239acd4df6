#include "window/cards/RangeAnalysisModel.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/Hand.h"
#include "engine/cards/PreflopOrder.h"
#include "engine/cards/RangeText.h"
#include "window/cards/CardsText.h"

namespace window::cards {

namespace {

using engine::board::ClassEquity;
using engine::board::SplitLine;

std::string spaced(const std::vector<engine::cards::Card>& cards)
{
    std::string out;
    for (const engine::cards::Card c : cards)
        out += (out.empty() ? "" : " ") + c.text();
    return out;
}

} // namespace

std::string countText(double value, const platform::Money& money)
{
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, std::round(value * 100.0) / 100.0,
                                   std::chars_format::fixed, 2).ptr;
    std::string text(buf, end);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, money.locale().decimalPoint);
    return text;
}

namespace {

// A class's place in the order of pre-flop strength, 0 for the strongest.
int strengthPlace(int handClass)
{
    static const std::array<int, engine::kHandCount> places = [] {
        std::array<int, engine::kHandCount> p{};
        const auto& order = engine::cards::preflopOrder();
        for (int i = 0; i < engine::kHandCount; ++i)
            p[order[static_cast<std::size_t>(i)]] = i;
        return p;
    }();
    return handClass >= 0 && handClass < engine::kHandCount ? places[static_cast<std::size_t>(handClass)] : 0;
}

double columnValue(const ClassEquity& row, BreakdownColumn column)
{
    switch (column) {
    case BreakdownColumn::Class: return strengthPlace(row.handClass);
    case BreakdownColumn::Combos: return row.combos;
    case BreakdownColumn::Weight: return row.weight;
    case BreakdownColumn::Win: return row.win;
    case BreakdownColumn::Tie: return row.tie;
    case BreakdownColumn::Equity: return row.equity;
    }
    return 0.0;
}

} // namespace

bool sameAnalysis(const RangeAnalysisInput& a, const RangeAnalysisInput& b)
{
    return a.hand == b.hand && a.board == b.board && a.dead == b.dead && a.range.combos() == b.range.combos()
        && a.range.weights() == b.range.weights();
}

std::string missingFor(AnalysisPart part, const RangeAnalysisInput& input)
{
    const std::size_t board = input.board.size();
    switch (part) {
    case AnalysisPart::Breakdown:
        if (input.range.empty())
            return "Type or pick a range for the opponent to see which of its hands beat yours.";
        if (!input.hand)
            return "Type two hole cards to see which hands of the range beat them.";
        return {};
    case AnalysisPart::Split:
        if (input.range.empty())
            return "Type or pick a range for the opponent to see how it meets the board.";
        if (board < 3)
            return "Type a flop, turn or river to see how the range meets the board.";
        return {};
    case AnalysisPart::NextCard:
        if (!input.hand)
            return "Type two hole cards for their equity by the next card.";
        if (board == 5)
            return "On the river no card is to come.";
        if (board < 3)
            return "Type a flop or a turn for the equity by the next card.";
        return {};
    }
    return {};
}

std::string columnTitle(BreakdownColumn column)
{
    switch (column) {
    case BreakdownColumn::Class: return "Class";
    case BreakdownColumn::Combos: return "Combos";
    case BreakdownColumn::Weight: return "Weight";
    case BreakdownColumn::Win: return "Win";
    case BreakdownColumn::Tie: return "Tie";
    case BreakdownColumn::Equity: return "Equity";
    }
    return {};
}

std::string cellText(const ClassEquity& row, BreakdownColumn column, const platform::Money& money)
{
    switch (column) {
    case BreakdownColumn::Class: return row.hand;
    case BreakdownColumn::Combos: return std::to_string(row.combos);
    case BreakdownColumn::Weight: return countText(row.weight, money);
    case BreakdownColumn::Win: return percentText(row.win, money);
    case BreakdownColumn::Tie: return percentText(row.tie, money);
    case BreakdownColumn::Equity: return percentText(row.equity, money);
    }
    return {};
}

void sortClasses(std::vector<ClassEquity>& rows, BreakdownColumn column, SortOrder order)
{
    std::sort(rows.begin(), rows.end(), [&](const ClassEquity& a, const ClassEquity& b) {
        const double x = columnValue(a, column);
        const double y = columnValue(b, column);
        if (x != y)
            return order == SortOrder::Ascending ? x < y : x > y;
        return strengthPlace(a.handClass) < strengthPlace(b.handClass);
    });
}

void runRangeAnalysis(const RangeAnalysisInput& input, std::uint64_t run, std::stop_token stop,
                      const std::function<void(RangeAnalysisUpdate)>& send)
{
    const auto progressOf = [&](AnalysisPart part) {
        return [&, part](double fraction) {
            if (!stop.stop_requested())
                send({run, part, false, fraction, {}, {}, {}});
        };
    };
    if (availableFor(AnalysisPart::Split, input)) {
        engine::cards::CardSet dead = input.dead;
        if (input.hand)
            dead |= input.hand->set();
        RangeAnalysisUpdate update{run, AnalysisPart::Split, true, 1.0, {}, {}, {}};
        update.split = engine::board::splitRange(input.range, input.board, dead);
        if (stop.stop_requested())
            return;
        send(std::move(update));
    }
    if (availableFor(AnalysisPart::Breakdown, input)) {
        engine::board::ClassBreakdownRequest request;
        request.hand = *input.hand;
        request.board = input.board;
        request.dead = input.dead;
        request.range = input.range;
        RangeAnalysisUpdate update{run, AnalysisPart::Breakdown, true, 1.0, {}, {}, {}};
        update.breakdown = engine::board::breakdownByClass(request, stop, progressOf(AnalysisPart::Breakdown));
        if (stop.stop_requested())
            return;
        send(std::move(update));
    }
    if (availableFor(AnalysisPart::NextCard, input)) {
        engine::odds::EquityRequest request;
        request.hand = *input.hand;
        request.board = input.board;
        request.dead = input.dead;
        if (!input.range.empty())
            request.opponentRange = input.range;
        RangeAnalysisUpdate update{run, AnalysisPart::NextCard, true, 1.0, {}, {}, {}};
        update.nextCard = engine::board::equityByNextCard(request, stop, progressOf(AnalysisPart::NextCard));
        if (stop.stop_requested())
            return;
        send(std::move(update));
    }
}

double cardPlace(engine::cards::Card card)
{
    return card.suit() * engine::cards::kRankCount + card.rank();
}

bool RangeAnalysisModel::setInput(const RangeAnalysisInput& input)
{
    if (hasInput_ && sameAnalysis(input, input_)) {
        input_.rangeText = input.rangeText;
        return false;
    }
    input_ = input;
    hasInput_ = true;
    run_ = 0;
    for (AnalysisPart part : {AnalysisPart::Breakdown, AnalysisPart::Split, AnalysisPart::NextCard})
        parts_[index(part)] = {availableFor(part, input_) ? PartState::Counting : PartState::Unavailable, 0.0, {}};
    breakdown_.reset();
    rows_.clear();
    split_.reset();
    nextCard_.reset();
    return true;
}

std::string RangeAnalysisModel::message(AnalysisPart part, const platform::Money& money) const
{
    const Part& p = parts_[index(part)];
    switch (p.state) {
    case PartState::Unavailable: return missingFor(part, input_);
    case PartState::Counting: return "Counting... " + percentText(p.fraction, money);
    case PartState::Failed: return p.error;
    case PartState::Done: return {};
    }
    return {};
}

bool RangeAnalysisModel::receive(const RangeAnalysisUpdate& update)
{
    Part& p = parts_[index(update.part)];
    if (update.run != run_ || p.state != PartState::Counting)
        return false;
    p.fraction = update.fraction;
    if (!update.finished)
        return true;
    // A stopped count is never sent, so a result is either done or refused.
    std::string error;
    switch (update.part) {
    case AnalysisPart::Split:
        if (update.split && update.split->ok())
            split_ = update.split->value;
        else
            error = update.split ? update.split->error : "no result";
        break;
    case AnalysisPart::Breakdown:
        if (update.breakdown && update.breakdown->status == engine::odds::EquityStatus::Done) {
            breakdown_ = update.breakdown;
            rows_ = breakdown_->classes;
            sortClasses(rows_, sortColumn_, sortOrder_);
        } else {
            error = update.breakdown ? update.breakdown->error : "no result";
        }
        break;
    case AnalysisPart::NextCard:
        if (update.nextCard && update.nextCard->status == engine::odds::EquityStatus::Done)
            nextCard_ = update.nextCard;
        else
            error = update.nextCard ? update.nextCard->error : "no result";
        break;
    }
    if (!error.empty()) {
        p.state = PartState::Failed;
        p.error = "These cards cannot be counted: " + error + ".";
        return true;
    }
    p.state = PartState::Done;
    return true;
}

void RangeAnalysisModel::sortBreakdown(BreakdownColumn column, SortOrder order)
{
    sortColumn_ = column;
    sortOrder_ = order;
    sortClasses(rows_, column, order);
}

void RangeAnalysisModel::clickBreakdownHeader(BreakdownColumn column)
{
    if (column == sortColumn_) {
        sortBreakdown(column, sortOrder_ == SortOrder::Ascending ? SortOrder::Descending : SortOrder::Ascending);
        return;
    }
    sortBreakdown(column, column == BreakdownColumn::Class ? SortOrder::Ascending : SortOrder::Descending);
}

std::string RangeAnalysisModel::rangeName() const
{
    if (input_.range.empty())
        return "a random hand";
    return input_.rangeText.empty() ? engine::cards::rangeText(input_.range) : input_.rangeText;
}

std::string RangeAnalysisModel::breakdownSummary(const platform::Money& money) const
{
    if (!breakdown_ || !input_.hand)
        return {};
    const engine::board::ClassBreakdown& b = *breakdown_;
    std::string out = input_.hand->text() + " against " + rangeName();
    if (!input_.board.empty())
        out += " on " + spaced(input_.board);
    const bool exact = b.method == engine::odds::EquityMethod::Exact;
    out += exact ? " (every deal counted)" : " (random deals)";
    out += ": equity " + percentText(b.equity, money);
    if (!exact)
        out += " \u00b1 " + percentText(b.standardError, money);
    out += ", win " + percentText(b.win, money) + ", tie " + percentText(b.tie, money);
    return out;
}

std::vector<SplitLine> RangeAnalysisModel::splitLines() const
{
    return split_ ? engine::board::splitLines(*split_) : std::vector<SplitLine>{};
}

std::vector<SplitLine> RangeAnalysisModel::splitLines(engine::board::SplitPart part) const
{
    std::vector<SplitLine> lines = splitLines();
    std::erase_if(lines, [part](const SplitLine& line) { return line.part != part; });
    return lines;
}

std::string RangeAnalysisModel::splitSummary() const
{
    if (!split_)
        return {};
    const engine::board::SplitCount& total = split_->total;
    std::string out = "On " + spaced(input_.board) + ": " + std::to_string(total.combos) + " combinations of "
        + rangeName() + " possible";
    if (total.weight != static_cast<double>(total.combos))
        out += " (weighted " + countText(total.weight, platform::Money::process()) + ")";
    return out;
}

std::vector<NextCardPoint> RangeAnalysisModel::nextCardPoints() const
{
    std::vector<NextCardPoint> points;
    if (!nextCard_)
        return points;
    for (const engine::board::NextCard& c : nextCard_->cards)
        points.push_back({cardPlace(c.card), c.equity, c});
    return points;
}

std::optional<engine::board::NextCard> RangeAnalysisModel::nextCardNear(double x) const
{
    std::optional<engine::board::NextCard> nearest;
    double distance = 0.5;
    for (const NextCardPoint& p : nextCardPoints()) {
        if (std::abs(p.x - x) <= distance) {
            distance = std::abs(p.x - x);
            nearest = p.card;
        }
    }
    return nearest;
}

std::string RangeAnalysisModel::nextCardText(const engine::board::NextCard& card, const platform::Money& money)
{
    return card.card.text() + ": equity " + percentText(card.equity, money) + ", comes "
        + percentText(card.chance, money) + " of the time";
}

std::string RangeAnalysisModel::nextCardSummary(const platform::Money& money) const
{
    if (!nextCard_ || !input_.hand)
        return {};
    return input_.hand->text() + " against " + rangeName() + " on " + spaced(input_.board) + ": equity now "
        + percentText(nextCard_->equity, money) + ", the average of the " + std::to_string(nextCard_->cards.size())
        + " next cards by their chance";
}

} // namespace window::cards
