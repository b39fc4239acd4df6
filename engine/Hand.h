#pragma once
// Hand notation: rank characters, the 169 hand texts, and the routines that
// turn the typed hole cards into the canonical hand and the hand text.

#include <array>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace engine {

struct PokerState;

inline constexpr std::string_view kRanks = "AKQJT98765432"; // highest first
inline constexpr int kHandCount = 169;

// 0 for "A" up to 12 for "2"; -1 for anything else.
constexpr int rankIndex(char c)
{
    const auto pos = kRanks.find(c);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
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

// Maps every hand named in the rows of a decision table to its row; -1 for
// hands in no row. Rows list their hands as the descriptions do ("AA, KK").
// Evaluated at compile time: a misspelt hand, or one in two rows, fails the build.
template <class Row, std::size_t N>
constexpr std::array<std::int8_t, kHandCount> rowIndex(const Row (&rows)[N])
{
    std::array<std::int8_t, kHandCount> index{};
    index.fill(-1);
    for (std::size_t r = 0; r < N; ++r) {
        std::string_view list = rows[r].hands;
        while (!list.empty()) {
            const auto comma = list.find(',');
            std::string_view token = list.substr(0, comma);
            list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
            while (!token.empty() && token.front() == ' ')
                token.remove_prefix(1);
            while (!token.empty() && token.back() == ' ')
                token.remove_suffix(1);
            const int hand = handIndex(token);
            if (hand < 0)
                throw std::logic_error("not a hand text");
            if (index[static_cast<std::size_t>(hand)] != -1)
                throw std::logic_error("hand listed in two rows");
            index[static_cast<std::size_t>(hand)] = static_cast<std::int8_t>(r);
        }
    }
    return index;
}

// The row of a table whose hand list holds `handText`, or -1.
inline int findRow(const std::array<std::int8_t, kHandCount>& index, std::string_view handText)
{
    const int hand = handIndex(handText);
    return hand < 0 ? -1 : index[static_cast<std::size_t>(hand)];
}

// Part of the common frame: the hole-card text is rewritten in upper case
// before these run.
void sortCard(PokerState& s);
void noCheck(PokerState& s);
void addCheck(PokerState& s);

} // namespace engine
