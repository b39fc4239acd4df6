#pragma once
// Pre-flop advice: the cells of the advice decision tables and the routines
// that choose the advice text for each pre-flop action.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/Position.h"
#include "engine/content/AdviceContent.h"

namespace engine {

struct PokerState;

// One piece of an advice text: an entry of the content table or a literal.
struct AdvicePiece {
    constexpr AdvicePiece() = default;
    constexpr AdvicePiece(AdviceKey k) : key(k) {}
    constexpr AdvicePiece(const char* t) : literal(t) {}

    AdviceKey key{};
    const char* literal = nullptr;
};

// An advice cell: one piece, or pieces joined with nothing between them.
class AdviceText {
public:
    constexpr AdviceText(AdviceKey key) : pieces_{AdvicePiece(key)}, count_(1) {}
    constexpr AdviceText(const char* literal) : pieces_{AdvicePiece(literal)}, count_(1) {}

    static constexpr AdviceText joined(std::initializer_list<AdvicePiece> pieces)
    {
        AdviceText t;
        for (const AdvicePiece& p : pieces)
            t.pieces_[t.count_++] = p;
        return t;
    }

    void writeTo(std::string& out) const;

private:
    constexpr AdviceText() = default;
    std::array<AdvicePiece, 10> pieces_{};
    std::size_t count_ = 0;
};

// A row of an advice table, columns as the tables are written.
struct AdviceRow {
    std::string_view hands;
    AdviceText late;
    AdviceText middle;
    AdviceText early;
    AdviceText blinds;
    AdviceText none;
    // KTs and KT in a limped pot: the cells give the result for two or more
    // limpers, and the limper rule decides (getAdviseLimped).
    bool limperRule = false;

    const AdviceText& cell(Position p) const
    {
        switch (p) {
        case Position::Late: return late;
        case Position::Middle: return middle;
        case Position::Early: return early;
        case Position::Blinds: return blinds;
        case Position::None: break;
        }
        return none;
    }
};

// A row that reads no position: the same text whatever is selected.
constexpr AdviceRow anyPosition(std::string_view hands, AdviceText text)
{
    return {hands, text, text, text, text, text};
}

// Answers for hands in no row.
inline constexpr const char* kEnterHoleCards = "Enter Hole Cards";
inline constexpr const char* kNotPlayable = "This is not a playable hand";

// Each sets adviseText from the hand in lblCardValue and the position options
// (getAdviseLimped also reads txtLimpers for KTs and KT). None writes a control.
void getAdviseOpen(PokerState& s);
void getAdviseLimped(PokerState& s);
void getAdviseRaise(PokerState& s);
void getAdviseRaiseCall(PokerState& s);
void getAdviseReRaise(PokerState& s);

// Shared by the advice tables: the cell of `row` for the selected position,
// or the fall-back answer for a hand in no row.
void writeAdviceOrFallback(PokerState& s, const AdviceRow* row);

} // namespace engine
