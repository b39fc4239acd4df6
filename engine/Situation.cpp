#include "engine/Situation.h"

namespace engine {

namespace {

constexpr std::array<std::string_view, kPositions.size()> kPositionNames = {"Early", "Middle", "Late", "Blinds"};
constexpr std::array<std::string_view, kPreflopActions.size()> kActionNames = {
    "Opened", "Limped", "Raise", "Raise and Call", "Raise and Re-Raise"};

} // namespace

std::string_view positionName(Position p)
{
    return kPositionNames[static_cast<std::size_t>(p)];
}

std::string_view actionName(PreflopAction a)
{
    return kActionNames[static_cast<std::size_t>(a)];
}

} // namespace engine
