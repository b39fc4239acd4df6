#include "engine/cards/CardSet.h"

namespace engine::cards {

std::vector<Card> CardSet::written() const
{
    std::vector<Card> cards;
    cards.reserve(static_cast<std::size_t>(size()));
    for (int rank = kRankCount - 1; rank >= 0; --rank)
        for (int suit = 0; suit < kSuitCount; ++suit)
            if (contains(Card(rank, suit)))
                cards.push_back(Card(rank, suit));
    return cards;
}

std::string CardSet::text(std::string_view separator) const
{
    std::string out;
    for (const Card c : written()) {
        if (!out.empty())
            out += separator;
        out += c.text();
    }
    return out;
}

} // namespace engine::cards
