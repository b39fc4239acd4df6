// The card reader on arbitrary text. The input is one or two texts, split at
// the first line break. Every text it accepts holds distinct cards that,
// written back with any separator, read as the same cards in the same order;
// case never matters; refusals name a duplicate or the token that is no
// card; and two accepted texts joined with a space read as both, unless they
// share a card.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cards/CardParser.h"
#include "engine/cards/CardSet.h"
#include "fuzz/AsciiCase.h"
#include "fuzz/FuzzCheck.h"

namespace {

using engine::cards::Card;
using engine::cards::CardSet;
using engine::cards::parseCards;
using engine::cards::parseHoleCards;

std::string written(const std::vector<Card>& cards, std::string_view separator)
{
    std::string out;
    for (const Card c : cards) {
        if (!out.empty())
            out += separator;
        out += c.text();
    }
    return out;
}

CardSet setOf(const std::vector<Card>& cards)
{
    CardSet set;
    for (const Card c : cards)
        set.insert(c);
    return set;
}

bool endsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Checks one text; its cards when it reads.
const std::vector<Card>* checkText(std::string_view text, engine::cards::Parsed<std::vector<Card>>& parsed)
{
    parsed = parseCards(text);
    const auto hole = parseHoleCards(text);
    fuzzCheck(hole.ok() == (parsed.ok() && parsed.value.size() == 2), "hole cards are two readable cards");

    for (const bool upper : {true, false}) {
        const auto again = parseCards(withAsciiCase(text, upper));
        fuzzCheck(again.ok() == parsed.ok(), "case does not change whether cards read");
        fuzzCheck(!parsed.ok() || again.value == parsed.value, "case does not change the cards");
    }

    if (!parsed.ok()) {
        fuzzCheck(parsed.error.rfind("duplicate card \"", 0) == 0 || endsWith(parsed.error, "\" is not a card"),
                  "a refusal names a duplicate or a token");
        return nullptr;
    }
    const std::vector<Card>& cards = parsed.value;
    const CardSet set = setOf(cards);
    fuzzCheck(set.size() == static_cast<int>(cards.size()), "cards are distinct");
    for (const Card c : cards)
        fuzzCheck(c.index() >= 0 && c.index() < engine::cards::kCardCount, "a card is one of 52");
    if (hole.ok()) {
        fuzzCheck(hole.value.set() == set, "hole cards are the cards read");
        fuzzCheck(hole.value.high > hole.value.low, "the high hole card comes first");
    }
    for (std::string_view separator : {"", " ", ",", ", "}) {
        const auto again = parseCards(written(cards, separator));
        fuzzCheck(again.ok() && again.value == cards, "written cards read back in order");
    }
    const auto fromSet = parseCards(set.text(" "));
    fuzzCheck(fromSet.ok() && setOf(fromSet.value) == set, "a card set's text reads back");
    return &cards;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = input.find('\n');
    const std::string_view first = input.substr(0, cut);

    engine::cards::Parsed<std::vector<Card>> a, b;
    const std::vector<Card>* cardsA = checkText(first, a);
    if (cut == std::string_view::npos)
        return 0;
    const std::string_view second = input.substr(cut + 1);
    const std::vector<Card>* cardsB = checkText(second, b);
    if (cardsA == nullptr || cardsB == nullptr)
        return 0;

    const auto joined = parseCards(std::string(first) + " " + std::string(second));
    if (setOf(*cardsA).intersects(setOf(*cardsB))) {
        fuzzCheck(!joined.ok() && joined.error.rfind("duplicate card \"", 0) == 0, "a shared card is a duplicate");
        return 0;
    }
    std::vector<Card> both = *cardsA;
    both.insert(both.end(), cardsB->begin(), cardsB->end());
    fuzzCheck(joined.ok() && joined.value == both, "joined texts read as both");
    return 0;
}
