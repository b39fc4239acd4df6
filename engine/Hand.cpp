#include "engine/Hand.h"

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

char upperCase(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

std::string_view handText(int index)
{
    if (index < 0 || index >= kHandCount)
        return {};
    return std::string_view(kHandTexts.texts[static_cast<std::size_t>(index)].data());
}

ShortHand::ShortHand(std::string_view text)
{
    for (std::size_t i = 0; i < text.size() && i < chars_.size(); ++i)
        append(text[i]);
}

std::string upperCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = upperCase(c);
    return out;
}

HandReading readHand(std::string_view holeCards, bool suited, std::string_view lastHand)
{
    HandReading r;
    r.holeCards.assign(holeCards);
    for (char& c : r.holeCards)
        c = upperCase(c);
    const std::string& text = r.holeCards;
    const bool twoRanks = text.size() == 2 && isRank(text[0]) && isRank(text[1]);
    r.isPair = twoRanks && text[0] == text[1];
    r.suited = suited && !r.isPair;
    if (!twoRanks) {
        r.sortedHand = ShortHand(lastHand);
    } else if (rankIndex(text[0]) <= rankIndex(text[1])) {
        r.sortedHand.append(text[0]);
        r.sortedHand.append(text[1]);
    } else {
        r.sortedHand.append(text[1]);
        r.sortedHand.append(text[0]);
    }
    r.handText = r.sortedHand;
    if (r.suited)
        r.handText.append('s');
    return r;
}

} // namespace engine
