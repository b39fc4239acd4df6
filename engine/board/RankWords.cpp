#include "engine/board/RankWords.h"

#include <array>

namespace engine::board {

namespace {

constexpr std::array<const char*, 13> kNames = {"two", "three", "four", "five", "six", "seven", "eight",
                                                "nine", "ten", "jack", "queen", "king", "ace"};

} // namespace

std::string rankName(int rank)
{
    return kNames[static_cast<std::size_t>(rank)];
}

std::string rankPlural(int rank)
{
    const std::string name = rankName(rank);
    return name == "six" ? "sixes" : name + "s";
}

} // namespace engine::board
