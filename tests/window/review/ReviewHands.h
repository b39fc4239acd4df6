#pragma once
// A small folder of room-text hand histories for the review's window tests:
// Hero opening and defending from several positions at a six-handed table,
// and one heads-up hand, each hand with a number of its own.

#include <filesystem>
#include <string>

namespace reviewtest {

// Writes the hands into `folder` (two files) and returns how many there are.
int writeHandFolder(const std::filesystem::path& folder);

// One six-handed hand, Hero in seat `heroSeat` (3-6, button in seat 6)
// with `cards` ("7c 2d"), everyone folding to him and Hero raising to $3
// unless `heroFolds`; the blinds fold.
std::string sixHandedHand(long number, int heroSeat, const std::string& cards, bool heroFolds);

} // namespace reviewtest
