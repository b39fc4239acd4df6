#include "engine/Hand.h"

#include <string>

#include "engine/PokerState.h"

namespace engine {

namespace {

struct HandTexts {
    std::array<std::array<char, 4>, kHandCount> texts{};
    constexpr HandTexts()
    {
        for (int row = 0; row < 13; ++row) {
            for (int col = 0; col < 13; ++col) {
                auto& t = texts[static_cast<std::size_t>(row * 13 + col)];
                const int hi = row <= col ? row : col;
                const int lo = row <= col ? col : row;
                t[0] = kRanks[static_cast<std::size_t>(hi)];
                t[1] = kRanks[static_cast<std::size_t>(lo)];
                t[2] = row < col ? 's' : '\0';
            }
        }
    }
};

constexpr HandTexts kHandTexts;

static_assert(handIndex("AKs") == 1 && handIndex("AK") == 13 && handIndex("AA") == 0 && handIndex("22") == 168);
static_assert(handIndex("KA") == -1 && handIndex("AAs") == -1 && handIndex("ak") == -1 && handIndex("AKo") == -1);

bool isRank(char c)
{
    return rankIndex(c) >= 0;
}

} // namespace

std::string_view handText(int index)
{
    if (index < 0 || index >= kHandCount)
        return {};
    return std::string_view(kHandTexts.texts[static_cast<std::size_t>(index)].data());
}

void sortCard(PokerState& s)
{
    const std::string& text = s.txtHoleCard.text();
    if (text.size() != 2 || !isRank(text[0]) || !isRank(text[1]))
        return;
    // A pair is itself; two different ranks are put highest first.
    if (rankIndex(text[0]) <= rankIndex(text[1])) {
        s.sortedCard.assign(text);
    } else {
        const char sorted[2] = {text[1], text[0]};
        s.sortedCard.assign(sorted, 2);
    }
}

void noCheck(PokerState& s)
{
    const std::string& text = s.txtHoleCard.text();
    if (text.size() == 2 && text[0] == text[1] && isRank(text[0]))
        s.chkSuited.setValue(0);
}

void addCheck(PokerState& s)
{
    noCheck(s);
    s.lblCardSort.setCaption(s.sortedCard);
    if (s.chkSuited.value() == 1) {
        s.scratch.assign(s.lblCardSort.caption());
        s.scratch.push_back('s');
        s.lblCardValue.setCaption(s.scratch);
    } else {
        s.lblCardValue.setCaption(s.lblCardSort.caption());
    }
}

} // namespace engine
