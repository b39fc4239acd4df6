#pragma once
// What the advisor is asked about: the player's seat and the pre-flop action
// before him, and the post-flop options. One type each, used by every table,
// the window, the chart and the command line.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace engine {

// The table position. "No position chosen" is std::nullopt, a legal state
// with answers of its own.
enum class Position : std::uint8_t { Early, Middle, Late, Blinds };
inline constexpr std::array kPositions = {Position::Early, Position::Middle, Position::Late, Position::Blinds};

// What happened before the player pre-flop.
enum class PreflopAction : std::uint8_t { Opened, Limped, Raised, RaisedCalled, ReRaised };
inline constexpr std::array kPreflopActions = {PreflopAction::Opened, PreflopAction::Limped, PreflopAction::Raised,
                                               PreflopAction::RaisedCalled, PreflopAction::ReRaised};

// "Early", "Middle", "Late", "Blinds".
std::string_view positionName(Position p);
// "Opened", "Limped", "Raise", "Raise and Call", "Raise and Re-Raise": the
// captions of the window's options.
std::string_view actionName(PreflopAction a);

// The post-flop options; each pair may have none chosen.
enum class PostflopSide : std::uint8_t { In, Out };
enum class PostflopPot : std::uint8_t { Raised, Limped };
enum class PostflopPlayers : std::uint8_t { HeadsUp, MultiWay };

enum class PostflopCategory : std::uint8_t;

struct PostflopSituation {
    std::optional<PostflopCategory> category; // none: the list's empty item
    std::optional<PostflopSide> side;
    std::optional<PostflopPot> pot;
    std::optional<PostflopPlayers> players;
};

} // namespace engine
