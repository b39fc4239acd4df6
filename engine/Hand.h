#pragma once
// Hand notation: rank characters, the 169 hand texts, and the reading of the
// typed hole cards into the canonical hand and its hand text.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

inline constexpr std::string_view kRanks = "AKQJT98765432"; // highest first
inline constexpr int kHandCount = 169;

namespace detail {
constexpr std::array<std::int8_t, 256> rankIndexTable()
{
    std::array<std::int8_t, 256> t{};
    t.fill(-1);
    for (std::size_t i = 0; i < kRanks.size(); ++i)
        t[static_cast<unsigned char>(kRanks[i])] = static_cast<std::int8_t>(i);
    return t;
}
inline constexpr std::array<std::int8_t, 256> kRankIndex = rankIndexTable();
} // namespace detail

// 0 for "A" up to 12 for "2"; -1 for anything else.
constexpr int rankIndex(char c)
{
    return detail::kRankIndex[static_cast<unsigned char>(c)];
}

// The hand texts in a 13x13 grid, aces first: pairs on the diagonal, suited
// hands above it (row = higher rank), offsuit below (column = higher rank).
// Returns the cell (row * 13 + column), or -1 for a text that is not one of
// the 169 hand texts (exact and case-sensitive: "AKs", "AK", "QQ").
constexpr int handIndex(std::string_view text)
{
    if (text.size() != 2 && text.size() != 3)
        return -1;
    const int hi = rankIndex(text[0]);
    const int lo = rankIndex(text[1]);
    if (hi < 0 || lo < 0)
        return -1;
    if (text.size() == 3) {
        if (text[2] != 's' || hi >= lo)
            return -1;
        return hi * 13 + lo;
    }
    if (hi > lo)
        return -1;
    return lo * 13 + hi;
}

// The hand text of a grid cell, "AKs", "AK", "QQ".
std::string_view handText(int index);

// A hand of at most three characters, kept by value. What goes beyond the
// third character is dropped.
class ShortHand {
public:
    constexpr ShortHand() = default;
    explicit ShortHand(std::string_view text);
    std::string_view view() const noexcept { return {chars_.data(), size_}; }
    void append(char c)
    {
        if (size_ < chars_.size())
            chars_[size_++] = c;
    }

private:
    std::array<char, 3> chars_{};
    std::uint8_t size_ = 0;
};

// The hole cards as the rules read them.
struct HandReading {
    std::string holeCards;  // the typed text with its letters in capitals
    bool isPair = false;    // two equal ranks: such a hand is never suited
    bool suited = false;    // Suited as it stands once a pair has cleared it
    ShortHand sortedHand;   // the canonical hand: two ranks, higher first
    ShortHand handText;     // the canonical hand with an "s" when suited
};

// Reads typed hole cards. Two ranks give the canonical hand (a pair is
// itself, two different ranks go higher first); any other text leaves
// `lastHand` in force. The hand text is the canonical hand plus "s" when
// Suited stays ticked: a pair clears Suited, and a stale hand keeps whatever
// the box says ("QQs" after "QQ" then "Q" with Suited ticked; "s" before any
// hand was recognised).
HandReading readHand(std::string_view holeCards, bool suited, std::string_view lastHand);

// The text with a..z in capitals.
std::string upperCase(std::string_view text);

} // namespace engine
