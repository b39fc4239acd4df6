#pragma once
// Money in the United States format, the positions as the tests name them,
// and expected advice texts by content key.

#include <optional>
#include <string>
#include <string_view>

#include "engine/Situation.h"
#include "engine/content/AdviceContent.h"
#include "platform/money/Money.h"

namespace enginetest {


// A position, or None for no position chosen.
enum class Pos { None, Early, Middle, Late, Blinds };

inline std::optional<engine::Position> position(Pos p)
{
    switch (p) {
    case Pos::Early: return engine::Position::Early;
    case Pos::Middle: return engine::Position::Middle;
    case Pos::Late: return engine::Position::Late;
    case Pos::Blinds: return engine::Position::Blinds;
    case Pos::None: break;
    }
    return std::nullopt;
}

inline const char* posName(Pos p)
{
    const auto position = enginetest::position(p);
    return position ? engine::positionName(*position).data() : "none";
}

// An expected advice: a content key's text, or a literal.
inline std::string expectedText(std::string_view expected)
{
    if (const auto key = engine::adviceKeyFromName(expected))
        return std::string(engine::adviceText(*key));
    return std::string(expected);
}

} // namespace enginetest
