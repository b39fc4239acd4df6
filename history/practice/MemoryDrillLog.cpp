#include <algorithm>

#include "history/practice/DrillLog.h"

namespace practice {

std::optional<CardSchedule> MemoryDrillLog::schedule(const CardKey& key)
{
    const auto it = cards_.find(key);
    if (it == cards_.end())
        return std::nullopt;
    return it->second;
}

std::vector<DueCard> MemoryDrillLog::dueCards(std::int64_t now, std::size_t limit)
{
    std::vector<DueCard> out;
    for (const auto& [key, card] : cards_)
        if (card.due <= now)
            out.push_back({key, card});
    std::stable_sort(out.begin(), out.end(), [](const DueCard& a, const DueCard& b) {
        return a.schedule.due < b.schedule.due;
    });
    if (out.size() > limit)
        out.resize(limit);
    return out;
}

void MemoryDrillLog::record(const AnswerRecord& answer)
{
    answers_.push_back(answer);
    if (answer.schedule)
        cards_[answer.key] = *answer.schedule;
}

} // namespace practice
