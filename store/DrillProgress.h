#pragma once
// The drills' progress as the store counts it: plain values, so that what
// shows them needs no store.

#include <cstdint>
#include <string>

#include "engine/Situation.h"

namespace store {

struct SituationShare {
    engine::PreflopAction action = engine::PreflopAction::Opened;
    engine::Position position = engine::Position::Early;
    std::uint64_t scored = 0; // answers judged right or wrong
    std::uint64_t right = 0;
};

struct DayShare {
    std::string day; // "2026-12-09"
    std::uint64_t scored = 0;
    std::uint64_t right = 0;
};

} // namespace store
