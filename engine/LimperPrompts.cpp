#include "engine/LimperPrompts.h"

#include "engine/DecisionTable.h"

namespace engine {

namespace {

struct AskingRow {
    std::string_view hands;
    bool onPositionChange; // asked for on a position change too
};

constexpr AskingRow kAsking[] = {
    {"AA, KK, QQ, AKs, AQs, AJs, AK, AQ, AT", true},
    {"99, ATs, KQs, KJs, JJ, TT, KT", false},
};

constexpr DecisionTable<AskingRow> kAskingTable{kAsking};

} // namespace

bool asksForLimpers(LimperPrompt when, std::string_view handText)
{
    const AskingRow* row = kAskingTable.find(handText);
    return row && (when == LimperPrompt::OnChoosingLimped || row->onPositionChange);
}

} // namespace engine
