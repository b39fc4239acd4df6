#include "engine/cards/CardParser.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

#include "engine/cards/CardSet.h"

namespace engine::cards {

namespace {

bool isSeparator(char c)
{
    return c == ' ' || c == ',' || c == '\t';
}

// Length of the UTF-8 character starting at text[at] (1 for a stray byte).
std::size_t characterLength(std::string_view text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xF0)
        length = 4;
    else if (lead >= 0xE0)
        length = 3;
    else if (lead >= 0xC0)
        length = 2;
    return std::min(length, text.size() - at);
}

// The suit symbols U+2660 to U+2667, black and white: E2 99 A0..A7.
int suitOfSymbol(std::string_view symbol)
{
    if (symbol.size() != 3 || symbol[0] != '\xE2' || symbol[1] != '\x99')
        return -1;
    // U+2660 spade, 2661 heart (white), 2662 diamond (white), 2663 club,
    // 2664 spade (white), 2665 heart, 2666 diamond, 2667 club (white).
    static constexpr std::array<int, 8> byCodePoint = {0, 1, 2, 3, 0, 1, 2, 3};
    const int low = static_cast<unsigned char>(symbol[2]) - 0xA0;
    if (low < 0 || low > 7)
        return -1;
    return byCodePoint[static_cast<std::size_t>(low)];
}

int suitOfLetter(char c)
{
    switch (std::tolower(static_cast<unsigned char>(c))) {
    case 's': return 0;
    case 'h': return 1;
    case 'd': return 2;
    case 'c': return 3;
    default: return -1;
    }
}

std::string notACard(std::string_view token)
{
    return "\"" + std::string(token) + "\" is not a card";
}

} // namespace

int rankOfChar(char c)
{
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int rank = 0; rank < kRankCount; ++rank) {
        if (kRankChars[rank] == upper)
            return rank;
    }
    return -1;
}

Parsed<std::vector<Card>> parseCards(std::string_view text)
{
    Parsed<std::vector<Card>> result;
    CardSet seen;
    std::size_t at = 0;
    while (at < text.size()) {
        if (isSeparator(text[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        int rank = -1;
        if (text.substr(at, 2) == "10") {
            rank = kTen;
            at += 2;
        } else {
            rank = rankOfChar(text[at]);
            at += characterLength(text, at);
        }
        int suit = -1;
        if (at < text.size() && !isSeparator(text[at])) {
            const std::size_t length = characterLength(text, at);
            suit = length == 1 ? suitOfLetter(text[at]) : suitOfSymbol(text.substr(at, length));
            at += length;
        }
        if (rank < 0 || suit < 0) {
            result.error = notACard(text.substr(start, at - start));
            return result;
        }
        const Card card(rank, suit);
        if (seen.contains(card)) {
            result.error = "duplicate card \"" + card.text() + "\"";
            return result;
        }
        seen.insert(card);
        result.value.push_back(card);
    }
    return result;
}

Parsed<HoleCards> parseHoleCards(std::string_view text)
{
    Parsed<HoleCards> result;
    const auto cards = parseCards(text);
    if (!cards.ok())
        result.error = cards.error;
    else if (cards.value.size() != 2)
        result.error = "a hand is two cards, not " + std::to_string(cards.value.size());
    else
        result.value = HoleCards(cards.value[0], cards.value[1]);
    return result;
}

} // namespace engine::cards
