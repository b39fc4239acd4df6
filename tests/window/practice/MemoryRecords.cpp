#include "MemoryRecords.h"

#include <map>

namespace practicetest {

using ::practice::DrillVerdict;

std::uint64_t MemoryRecords::answeredOn(const std::string& day)
{
    std::uint64_t n = 0;
    for (const auto& a : answers())
        n += a.day == day ? 1u : 0u;
    return n;
}

std::vector<window::practice::SituationShare> MemoryRecords::shareBySituation()
{
    std::map<std::pair<engine::PreflopAction, engine::Position>, window::practice::SituationShare> by;
    for (const auto& a : answers()) {
        if (a.verdict == DrillVerdict::Unscored)
            continue;
        auto& s = by[{a.key.situation.action, a.key.situation.position}];
        s.action = a.key.situation.action;
        s.position = a.key.situation.position;
        ++s.scored;
        s.right += a.verdict == DrillVerdict::Right ? 1u : 0u;
    }
    std::vector<window::practice::SituationShare> out;
    for (const auto& [key, share] : by)
        out.push_back(share);
    return out;
}

std::uint64_t MemoryRecords::dueCount(std::int64_t now)
{
    return log_.dueCards(now, static_cast<std::size_t>(-1)).size();
}

std::vector<window::practice::DayShare> MemoryRecords::dailyShare(const std::string& firstDay, const std::string& lastDay)
{
    std::map<std::string, window::practice::DayShare> by;
    for (const auto& a : answers()) {
        if (a.verdict == DrillVerdict::Unscored || a.day < firstDay || a.day > lastDay)
            continue;
        auto& d = by[a.day];
        d.day = a.day;
        ++d.scored;
        d.right += a.verdict == DrillVerdict::Right ? 1u : 0u;
    }
    std::vector<window::practice::DayShare> out;
    for (const auto& [day, share] : by)
        out.push_back(share);
    return out;
}

} // namespace practicetest
