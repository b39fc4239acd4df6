// The hand-range reader on arbitrary text. The input is one or two ranges,
// split at the first line break. An accepted range holds 1 to 1326 distinct
// two-card combinations, each with a weight above 0 and at most 1; case
// never matters; a range read twice is the same range; two ranges joined
// with a comma are their union, the second one's weights holding where they
// meet; each combination written as cards is a range of that one
// combination; every range is written back in a form that reads back to the
// same combinations and weights, and is written again the same way; a
// refusal names the item it could not read, or says the range is empty.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cards/Range.h"
#include "engine/cards/RangeText.h"
#include "fuzz/AsciiCase.h"
#include "fuzz/FuzzCheck.h"

namespace {

using engine::cards::HoleCards;
using engine::cards::parseRange;

constexpr std::size_t kAllCombos = 52 * 51 / 2;
constexpr std::string_view kEmpty = "the range is empty";
constexpr std::string_view kNotARange = "\" is not a hand range";

// Each combination's weight, 0 for a combination the range does not hold,
// so ranges compare whatever the order they were read in. One flat block:
// a tree of 1,326 nodes per reading cost the fuzzer a third of its speed.
using Weights = std::vector<double>;
constexpr std::size_t kSlots = engine::cards::kCardCount * engine::cards::kCardCount;

std::size_t slotOf(const HoleCards& c)
{
    return static_cast<std::size_t>(c.high.index()) * engine::cards::kCardCount + c.low.index();
}

Weights weightsOf(const engine::cards::Range& range)
{
    Weights weights(kSlots, 0.0);
    for (std::size_t i = 0; i < range.combos().size(); ++i)
        weights[slotOf(range.combos()[i])] = range.weights()[i];
    return weights;
}

std::size_t heldCount(const Weights& weights)
{
    return static_cast<std::size_t>(std::count_if(weights.begin(), weights.end(), [](double w) { return w > 0; }));
}

struct Reading {
    bool ok = false;
    std::string error;
    Weights combos;
};

Reading read(std::string_view text)
{
    const auto parsed = parseRange(text);
    return {parsed.ok(), parsed.error, parsed.ok() ? weightsOf(parsed.value) : Weights{}};
}

// A parenthesis still open at the end: what follows a comma would join its item.
bool leavesParenthesisOpen(std::string_view text)
{
    int depth = 0;
    for (const char c : text)
        depth = c == '(' ? depth + 1 : c == ')' && depth > 0 ? depth - 1 : depth;
    return depth > 0;
}

Reading checkText(std::string_view text)
{
    const auto parsed = parseRange(text);
    Reading reading{parsed.ok(), parsed.error, {}};
    if (!parsed.ok()) {
        // "\"ITEM\" is not a hand range", perhaps with ": " and the reason
        // (which holds no quote); the item itself may hold anything.
        const std::string withReason = std::string(kNotARange) + ": ";
        const std::size_t end = parsed.error.ends_with(kNotARange) ? parsed.error.size() - kNotARange.size()
                                                                   : parsed.error.rfind(withReason);
        const bool namesItem = parsed.error.size() > 2 && parsed.error.front() == '"' && end != std::string::npos &&
                               end > 0 && parsed.error.find('"', end + 1) == std::string::npos;
        fuzzCheck(parsed.error == kEmpty || namesItem, "a refusal names an item or an empty range");
        if (namesItem) {
            const std::string_view item = std::string_view(parsed.error).substr(1, end - 1);
            fuzzCheck(!item.empty() && text.find(item) != std::string_view::npos, "the item named is in the text");
        }
    } else {
        const auto& combos = parsed.value.combos();
        fuzzCheck(!combos.empty() && combos.size() <= kAllCombos, "a range holds 1 to 1326 combinations");
        for (const HoleCards& c : combos)
            fuzzCheck(c.high > c.low && c.high.index() < engine::cards::kCardCount, "a combination is two cards");
        for (const double w : parsed.value.weights())
            fuzzCheck(w > 0 && w <= 1, "a weight is above 0 and at most 1");
        reading.combos = weightsOf(parsed.value);
        fuzzCheck(heldCount(reading.combos) == combos.size(), "combinations are distinct");
        for (const HoleCards& c : {combos.front(), combos.back()}) {
            const auto single = parseRange(c.text());
            fuzzCheck(single.ok() && single.value.combos().size() == 1 && single.value.combos()[0] == c,
                      "a combination's text is that combination");
        }
        const std::string canonical = engine::cards::rangeText(parsed.value);
        const auto back = parseRange(canonical);
        fuzzCheck(back.ok() && weightsOf(back.value) == reading.combos, "the written range reads back the same");
        fuzzCheck(engine::cards::rangeText(back.value) == canonical, "the written range is written the same again");
        const Reading twice = read(std::string(text) + "," + std::string(text));
        fuzzCheck(twice.ok && twice.combos == reading.combos, "a range read twice is the same range");
    }
    for (const bool upper : {true, false}) {
        const Reading again = read(withAsciiCase(text, upper));
        fuzzCheck(again.ok == reading.ok && again.combos == reading.combos, "case does not change a range");
    }
    return reading;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find('\n');
    const std::string_view first = input.substr(0, cut);
    const Reading a = checkText(first);
    if (cut == std::string_view::npos)
        return 0;
    const std::string_view second = input.substr(cut + 1);
    const Reading b = checkText(second);
    if (leavesParenthesisOpen(first))
        return 0;

    const Reading joined = read(std::string(first) + "," + std::string(second));
    if (a.ok && b.ok) {
        Weights both = b.combos; // b's weight holds where both hold a combination
        for (std::size_t i = 0; i < kSlots; ++i)
            if (both[i] == 0)
                both[i] = a.combos[i];
        fuzzCheck(joined.ok && joined.combos == both, "joined ranges are the union");
    } else if ((!a.ok && a.error != kEmpty) || (!b.ok && b.error != kEmpty)) {
        fuzzCheck(!joined.ok, "an unreadable item spoils the joined range");
    } else {
        fuzzCheck(joined.ok == (a.ok || b.ok), "an empty part adds nothing");
        fuzzCheck(joined.combos == (a.ok ? a.combos : b.combos), "an empty part adds nothing");
    }
    return 0;
}
