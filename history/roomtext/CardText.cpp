#include "history/roomtext/CardText.h"

#include <array>

namespace history::roomtext {

namespace {

// Rank and suit of a character, -1 for none: one look-up each.
struct CardCharTable {
    std::array<signed char, 256> rank{};
    std::array<signed char, 256> suit{};
    CardCharTable()
    {
        rank.fill(-1);
        suit.fill(-1);
        for (int r = 0; r < engine::cards::kRankCount; ++r)
            rank[static_cast<unsigned char>(engine::cards::kRankChars[r])] = static_cast<signed char>(r);
        for (int s = 0; s < engine::cards::kSuitCount; ++s)
            suit[static_cast<unsigned char>(engine::cards::kSuitChars[s])] = static_cast<signed char>(s);
    }
};

const CardCharTable kCardChars;

int rankOf(char c) { return kCardChars.rank[static_cast<unsigned char>(c)]; }

int suitOf(char c) { return kCardChars.suit[static_cast<unsigned char>(c)]; }

} // namespace

std::optional<engine::cards::Card> readCard(std::string_view text)
{
    if (text.size() != 2)
        return std::nullopt;
    const int rank = rankOf(text[0]);
    const int suit = suitOf(text[1]);
    if (rank < 0 || suit < 0)
        return std::nullopt;
    return engine::cards::Card(rank, suit);
}

std::optional<std::size_t> readBracketedCards(std::string_view text, engine::cards::Card* cards, std::size_t capacity,
                                              std::size_t& length)
{
    // "[" then cards of two characters each, one space apart, then "]".
    if (!text.starts_with('['))
        return std::nullopt;
    std::size_t at = 1;
    std::size_t count = 0;
    if (at < text.size() && text[at] == ']') {
        length = at + 1;
        return count;
    }
    while (at + 2 < text.size()) {
        const int rank = rankOf(text[at]);
        const int suit = suitOf(text[at + 1]);
        if (rank < 0 || suit < 0 || count == capacity)
            return std::nullopt;
        cards[count++] = engine::cards::Card(rank, suit);
        const char after = text[at + 2];
        at += 3;
        if (after == ']') {
            length = at;
            return count;
        }
        if (after != ' ')
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace history::roomtext
