// The hand-range reader on arbitrary text. The input is one or two ranges,
// split at the first line break. An accepted range holds 1 to 1326 distinct
// two-card combinations; case never matters; a range read twice is the same
// range; two ranges joined with a comma are their union; each combination
// written as cards is a range of that one combination; a refusal names the
// item it could not read, or says the range is empty.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cards/Range.h"
#include "fuzz/AsciiCase.h"
#include "fuzz/FuzzCheck.h"

namespace {

using engine::cards::HoleCards;
using engine::cards::parseRange;

constexpr std::size_t kAllCombos = 52 * 51 / 2;
constexpr std::string_view kEmpty = "the range is empty";

// The combinations as sorted numbers, so ranges compare as sets.
std::vector<int> comboSet(const engine::cards::Range& range)
{
    std::vector<int> set;
    set.reserve(range.combos().size());
    for (const HoleCards& c : range.combos())
        set.push_back(c.high.index() * engine::cards::kCardCount + c.low.index());
    std::sort(set.begin(), set.end());
    return set;
}

struct Reading {
    bool ok = false;
    std::string error;
    std::vector<int> combos;
};

Reading read(std::string_view text)
{
    const auto parsed = parseRange(text);
    return {parsed.ok(), parsed.error, parsed.ok() ? comboSet(parsed.value) : std::vector<int>{}};
}

Reading checkText(std::string_view text)
{
    const auto parsed = parseRange(text);
    Reading reading{parsed.ok(), parsed.error, {}};
    if (!parsed.ok()) {
        const bool namesItem = parsed.error.size() > 2 && parsed.error.front() == '"' &&
                               parsed.error.ends_with("\" is not a hand range");
        fuzzCheck(parsed.error == kEmpty || namesItem, "a refusal names an item or an empty range");
        if (namesItem) {
            const std::string_view item = std::string_view(parsed.error).substr(1, parsed.error.find("\" is not") - 1);
            fuzzCheck(!item.empty() && text.find(item) != std::string_view::npos, "the item named is in the text");
        }
    } else {
        const auto& combos = parsed.value.combos();
        fuzzCheck(!combos.empty() && combos.size() <= kAllCombos, "a range holds 1 to 1326 combinations");
        for (const HoleCards& c : combos)
            fuzzCheck(c.high > c.low && c.high.index() < engine::cards::kCardCount, "a combination is two cards");
        reading.combos = comboSet(parsed.value);
        fuzzCheck(std::adjacent_find(reading.combos.begin(), reading.combos.end()) == reading.combos.end(),
                  "combinations are distinct");
        for (const HoleCards& c : {combos.front(), combos.back()}) {
            const auto single = parseRange(c.text());
            fuzzCheck(single.ok() && single.value.combos().size() == 1 && single.value.combos()[0] == c,
                      "a combination's text is that combination");
        }
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

    const Reading joined = read(std::string(first) + "," + std::string(second));
    if (a.ok && b.ok) {
        std::vector<int> both;
        std::set_union(a.combos.begin(), a.combos.end(), b.combos.begin(), b.combos.end(), std::back_inserter(both));
        fuzzCheck(joined.ok && joined.combos == both, "joined ranges are the union");
    } else if ((!a.ok && a.error != kEmpty) || (!b.ok && b.error != kEmpty)) {
        fuzzCheck(!joined.ok, "an unreadable item spoils the joined range");
    } else {
        fuzzCheck(joined.ok == (a.ok || b.ok), "an empty part adds nothing");
        fuzzCheck(joined.combos == (a.ok ? a.combos : b.combos), "an empty part adds nothing");
    }
    return 0;
}
