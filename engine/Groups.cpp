#include "engine/Groups.h"

#include "engine/DecisionTable.h"

namespace engine {

namespace {

struct GroupRow {
    std::string_view group;
    std::string_view hands;
};

// Strongest first. Every pair is ranked; 84 of the 169 hand texts are not.
constexpr GroupRow kGroups[] = {
    {"1", "AA, AKs, KK, QQ, JJ"},
    {"2", "AK, AQs, KQs, AJs, TT"},
    {"3", "AQ, KJs, QJs, ATs, JTs, 99"},
    {"4", "AJ, KQ, KTs, QTs, J9s, T9s, 98s, 88"},
    {"5", "KJ, QJ, A9s, K9s, Q9s, JT, A8s, A7s, A6s, A5s, A4s, A3s, A2s, T8s, 97s, 87s, 77, 76s, 65s"},
    {"6", "AT, KT, QT, J8s, 86s, 75s, 66, 55, 54s"},
    {"7", "J9, T9, 98, K8s, K7s, K6s, K5s, K4s, K3s, K2s, Q8s, T7s, 64s, 53s, 43s, 44, 33, 22"},
    {"8", "A9, K9, Q9, J8, T8, 87, 76, 65, 54, J7s, 96s, 85s, 74s, 42s, 32s"},
};

constexpr DecisionTable<GroupRow> kGroupTable{kGroups};

} // namespace

std::string_view groupOf(std::string_view handText)
{
    const GroupRow* row = kGroupTable.find(handText);
    return row ? row->group : kNotRanked;
}

} // namespace engine
