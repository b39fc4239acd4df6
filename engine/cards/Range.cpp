#include "engine/cards/Range.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>
#include <string>

#include "engine/cards/CardParser.h"
#include "engine/cards/ChartRange.h"
#include "engine/cards/HandClass.h"
#include "engine/cards/PreflopOrder.h"

namespace engine::cards {

namespace {

enum class Suitedness { Any, Suited, Offsuit };

// One class of starting hands such as "AKs", "77" or "T9".
struct HandClass {
    int high = 0;
    int low = 0;
    Suitedness suitedness = Suitedness::Any;
    bool pair() const { return high == low; }
};

void addClass(Range& range, const HandClass& hand)
{
    for (int s1 = 0; s1 < kSuitCount; ++s1) {
        for (int s2 = 0; s2 < kSuitCount; ++s2) {
            if (hand.pair() ? s2 <= s1 : false)
                continue;
            const bool suited = s1 == s2;
            if (!hand.pair() && ((hand.suitedness == Suitedness::Suited && !suited) ||
                                 (hand.suitedness == Suitedness::Offsuit && suited)))
                continue;
            range.add(HoleCards(Card(hand.high, s1), Card(hand.low, s2)));
        }
    }
}

// Reads one rank at text[at] ("10" included), advancing at.
std::optional<int> readRank(std::string_view text, std::size_t& at)
{
    if (text.substr(at, 2) == "10") {
        at += 2;
        return kTen;
    }
    if (at >= text.size())
        return std::nullopt;
    const int rank = rankOfChar(text[at]);
    if (rank < 0)
        return std::nullopt;
    ++at;
    return rank;
}

std::optional<HandClass> readClass(std::string_view text)
{
    std::size_t at = 0;
    const auto first = readRank(text, at);
    const auto second = readRank(text, at);
    if (!first || !second)
        return std::nullopt;
    HandClass hand{std::max(*first, *second), std::min(*first, *second), Suitedness::Any};
    if (at < text.size()) {
        const char mark = static_cast<char>(std::tolower(static_cast<unsigned char>(text[at])));
        if (mark == 's')
            hand.suitedness = Suitedness::Suited;
        else if (mark == 'o')
            hand.suitedness = Suitedness::Offsuit;
        else
            return std::nullopt;
        ++at;
    }
    if (at != text.size() || (hand.pair() && hand.suitedness != Suitedness::Any))
        return std::nullopt;
    return hand;
}

// "QQ+" pairs up to aces; "T9s+" connectors up to the ace; "K9s+" kickers up
// to one below the high card.
bool addPlus(Range& range, HandClass hand)
{
    if (hand.pair()) {
        for (int r = hand.low; r <= kAce; ++r)
            addClass(range, {r, r, Suitedness::Any});
    } else if (hand.low == hand.high - 1) {
        for (; hand.high <= kAce; ++hand.high, ++hand.low)
            addClass(range, hand);
    } else {
        for (int kicker = hand.low; kicker < hand.high; ++kicker)
            addClass(range, {hand.high, kicker, hand.suitedness});
    }
    return true;
}

// "JJ-99", "A5s-A2s", "T9s-65s": the ends share their shape, and every class
// between them is taken.
bool addSpan(Range& range, HandClass a, HandClass b)
{
    if (a.suitedness != b.suitedness || a.pair() != b.pair())
        return false;
    if (a.high < b.high || (a.high == b.high && a.low < b.low))
        std::swap(a, b);
    if (a.pair()) {
        for (int r = b.low; r <= a.low; ++r)
            addClass(range, {r, r, Suitedness::Any});
        return true;
    }
    if (a.high == b.high) {
        for (int kicker = b.low; kicker <= a.low; ++kicker)
            addClass(range, {a.high, kicker, a.suitedness});
        return true;
    }
    if (a.high - a.low != b.high - b.low)
        return false;
    for (int shift = 0; b.high + shift <= a.high; ++shift)
        addClass(range, {b.high + shift, b.low + shift, a.suitedness});
    return true;
}

bool addHands(Range& range, std::string_view item)
{
    std::string lower;
    for (char c : item)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "random" || lower == "any") {
        const Range all = Range::random();
        for (HoleCards combo : all.combos())
            range.add(combo);
        return true;
    }
    if (const auto dash = item.find('-'); dash != std::string_view::npos) {
        const auto a = readClass(item.substr(0, dash));
        const auto b = readClass(item.substr(dash + 1));
        return a && b && addSpan(range, *a, *b);
    }
    if (item.back() == '+') {
        const auto hand = readClass(item.substr(0, item.size() - 1));
        return hand && addPlus(range, *hand);
    }
    if (const auto hand = readClass(item)) {
        addClass(range, *hand);
        return true;
    }
    const auto cards = parseCards(item);
    if (cards.ok() && cards.value.size() == 2) {
        range.add(HoleCards(cards.value[0], cards.value[1]));
        return true;
    }
    return false;
}

// Digits with at most one decimal point: "0.25", "15", "7.5".
std::optional<double> readDecimal(std::string_view text)
{
    const std::size_t digits = static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
    }));
    if (digits == 0 || digits + (text.find('.') != std::string_view::npos ? 1 : 0) != text.size())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

void addClasses(Range& range, const std::vector<int>& classes)
{
    for (const int handClass : classes)
        for (const HoleCards combo : combosOfClass(handClass))
            range.add(combo);
}

// Reads one item into `range`; gives the reason when it cannot, an empty
// reason when "not a hand range" says it all.
std::optional<std::string> addItem(Range& range, std::string_view item)
{
    // chart(...):CLASS, then perhaps :WEIGHT; other items HANDS[:WEIGHT]
    const bool chart = isChartItem(item);
    const std::size_t close = chart ? item.find(')') : std::string_view::npos;
    const std::size_t colon = !chart ? item.find(':')
                              : close == std::string_view::npos ? close
                                                                : item.find(':', close + 2);
    std::string_view hands = item;
    std::optional<std::string_view> weightText;
    if (colon != std::string_view::npos) {
        hands = item.substr(0, colon);
        weightText = item.substr(colon + 1);
    }
    // A weighted item is read apart and then added at its weight; the
    // others go straight into the range (an unreadable item spoils the
    // whole reading, so nothing half-added is ever seen).
    std::optional<Range> held;
    if (weightText)
        held.emplace();
    Range& into = held ? *held : range;
    if (chart) {
        const auto classes = readChartItem(hands);
        if (!classes.ok())
            return classes.error;
        addClasses(into, classes.value);
    } else {
        if (hands.empty())
            return std::string();
        if (hands.back() == '%') {
            const auto percent = readDecimal(hands.substr(0, hands.size() - 1));
            if (!percent || *percent <= 0 || *percent > 100)
                return std::string("a percentage is above 0 and at most 100");
            addClasses(into, topClasses(*percent));
        } else if (!addHands(into, hands)) {
            return std::string();
        }
    }
    if (!held)
        return std::nullopt;
    const auto weight = readDecimal(*weightText);
    if (!weight || *weight <= 0 || *weight > 1)
        return std::string("a weight is above 0 and at most 1");
    for (const HoleCards combo : held->combos())
        range.add(combo, *weight);
    return std::nullopt;
}

// Items end at a comma, a space or a tab outside parentheses.
std::size_t itemEnd(std::string_view text, std::size_t at)
{
    int depth = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '(')
            ++depth;
        else if (c == ')' && depth > 0)
            --depth;
        else if (depth == 0 && (c == ',' || c == ' ' || c == '\t'))
            return at;
    }
    return text.size();
}

} // namespace

Range Range::random()
{
    Range range;
    for (int a = 0; a < kCardCount; ++a) {
        for (int b = 0; b < a; ++b)
            range.add(HoleCards(Card::fromIndex(a), Card::fromIndex(b)));
    }
    return range;
}

void Range::add(HoleCards combo, double weight)
{
    std::uint16_t& slot = slots_[slotOf(combo)];
    if (slot != 0) {
        weights_[slot - 1u] = weight;
        return;
    }
    combos_.push_back(combo);
    weights_.push_back(weight);
    slot = static_cast<std::uint16_t>(combos_.size());
}

double Range::weight(HoleCards combo) const
{
    const std::uint16_t slot = slots_[slotOf(combo)];
    return slot == 0 ? 0.0 : weights_[slot - 1u];
}

double Range::weightedCount() const
{
    double sum = 0;
    for (const double w : weights_)
        sum += w;
    return sum;
}

std::size_t Range::slotOf(HoleCards combo)
{
    const int high = combo.high.index();
    return static_cast<std::size_t>(high * (high - 1) / 2 + combo.low.index());
}

Parsed<Range> parseRange(std::string_view text)
{
    Parsed<Range> result;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = itemEnd(text, at);
        const std::string_view item = text.substr(at, end - at);
        at = end + 1;
        if (item.empty())
            continue;
        if (const auto reason = addItem(result.value, item)) {
            result.error = "\"" + std::string(item) + "\" is not a hand range";
            if (!reason->empty())
                result.error += ": " + *reason;
            return result;
        }
    }
    if (result.value.empty())
        result.error = "the range is empty";
    return result;
}

} // namespace engine::cards
