#include "engine/Groups.h"

#include "engine/DecisionTable.h"

namespace engine {

namespace {

struct GroupRow {
    HandGroup group;
    std::string_view hands;
};

// Strongest first. Every pair is ranked; 84 of the 169 hand texts are not.
constexpr GroupRow kGroups[] = {
    {HandGroup::G1, "AA, AKs, KK, QQ, JJ"},
    {HandGroup::G2, "AK, AQs, KQs, AJs, TT"},
    {HandGroup::G3, "AQ, KJs, QJs, ATs, JTs, 99"},
    {HandGroup::G4, "AJ, KQ, KTs, QTs, J9s, T9s, 98s, 88"},
    {HandGroup::G5, "KJ, QJ, A9s, K9s, Q9s, JT, A8s, A7s, A6s, A5s, A4s, A3s, A2s, T8s, 97s, 87s, 77, 76s, 65s"},
    {HandGroup::G6, "AT, KT, QT, J8s, 86s, 75s, 66, 55, 54s"},
    {HandGroup::G7, "J9, T9, 98, K8s, K7s, K6s, K5s, K4s, K3s, K2s, Q8s, T7s, 64s, 53s, 43s, 44, 33, 22"},
    {HandGroup::G8, "A9, K9, Q9, J8, T8, 87, 76, 65, 54, J7s, 96s, 85s, 74s, 42s, 32s"},
};

constexpr DecisionTable<GroupRow> kGroupTable{kGroups};

} // namespace

HandGroup groupOf(std::string_view handText)
{
    const GroupRow* row = kGroupTable.find(handText);
    return row ? row->group : HandGroup::NotRanked;
}

std::string_view groupText(HandGroup group)
{
    static constexpr std::string_view kTexts[] = {kNotRanked, "1", "2", "3", "4", "5", "6", "7", "8"};
    return kTexts[static_cast<std::size_t>(group)];
}

} // namespace engine
