#pragma once
// An advice as the tables hold it: an entry of the advice content table, a
// literal, or pieces of both joined with nothing between them. It stays a
// reference to the tables until someone needs its text.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "engine/content/AdviceContent.h"

namespace engine {

struct AdvicePiece {
    constexpr AdvicePiece() = default;
    constexpr AdvicePiece(AdviceKey k) : key(k) {}
    constexpr AdvicePiece(const char* t) : literal(t) {}

    std::string_view text() const { return literal ? std::string_view(literal) : adviceText(key); }

    AdviceKey key{};
    const char* literal = nullptr;
};

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

    // The content key when the advice is exactly one entry of the table.
    std::optional<AdviceKey> key() const
    {
        if (count_ == 1 && !pieces_[0].literal)
            return pieces_[0].key;
        return std::nullopt;
    }

    // Replaces `out` with the text.
    void assignTo(std::string& out) const;
    std::string text() const;

    // The same pieces: the same entries and literals, in the same order.
    bool operator==(const AdviceText& other) const;

private:
    constexpr AdviceText() = default;
    std::array<AdvicePiece, 10> pieces_{};
    std::size_t count_ = 0;
};

// The fixed answers the tables fall back on, and the prompts for what is
// missing. Their texts are the program's own, spelling included.
inline constexpr AdviceText kEnterHoleCards = "Enter Hole Cards";
inline constexpr AdviceText kNotPlayable = "This is not a playable hand";
inline constexpr AdviceText kEnterBigBlind = "Enter Big Blind Amount";
// The window's prompt for a missing limper count, and the limped tables' own.
inline constexpr AdviceText kEnterAmountOfLimpers = "Enter amount of limpers";
inline constexpr AdviceText kEnterAmountOfLimpersCapital = "Enter amount of Limpers";
inline constexpr AdviceText kEnterCorrectOptions = "Enter the correct options above";
inline constexpr AdviceText kNoAdvice = "";

} // namespace engine
