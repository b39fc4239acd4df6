#pragma once
// The decision tables' one shape: rows of hands, each with a cell per
// position and one for no position chosen. Advice tables and bet tables are
// both written this way, columns in the same order.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "engine/Hand.h"
#include "engine/Situation.h"

namespace engine {

template <class Cell>
struct PositionRow {
    std::string_view hands; // as the tables list them: "AA, KK"
    Cell early;
    Cell middle;
    Cell late;
    Cell blinds;
    Cell none;
    // KTs and KT in a limped pot: the number of limpers decides (see the
    // limped tables).
    bool limperRule = false;

    constexpr const Cell& cell(std::optional<Position> p) const
    {
        if (!p)
            return none;
        switch (*p) {
        case Position::Early: return early;
        case Position::Middle: return middle;
        case Position::Late: return late;
        case Position::Blinds: break;
        }
        return blinds;
    }
};

// A row the same from every seat, with its own answer while no position is
// chosen.
template <class Cell>
constexpr PositionRow<Cell> anySeat(std::string_view hands, Cell seated, Cell none)
{
    return {hands, seated, seated, seated, seated, none};
}

// A row whose answer reads no position.
template <class Cell>
constexpr PositionRow<Cell> anyPosition(std::string_view hands, Cell cell)
{
    return anySeat(hands, cell, cell);
}

// Maps every hand named in the rows of a table to its row; -1 for hands in no
// row. Evaluated at compile time: a misspelt hand, or one in two rows, fails
// the build.
using HandRowIndex = std::array<std::int8_t, kHandCount>;

template <class Row, std::size_t N>
constexpr HandRowIndex rowIndex(const Row (&rows)[N])
{
    HandRowIndex index{};
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

// A table with its hand index built at compile time.
template <class Row>
class DecisionTable {
public:
    template <std::size_t N>
    constexpr explicit DecisionTable(const Row (&rows)[N]) : rows_(rows), index_(rowIndex(rows)) {}

    // The row listing `handText` (compared whole and case-sensitively), or null.
    constexpr const Row* find(std::string_view handText) const
    {
        const int hand = handIndex(handText);
        const int row = hand < 0 ? -1 : index_[static_cast<std::size_t>(hand)];
        return row < 0 ? nullptr : &rows_[row];
    }

private:
    const Row* rows_;
    HandRowIndex index_;
};

} // namespace engine
