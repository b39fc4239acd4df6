#include "window/practice/PracticeProgress.h"

#include <cmath>

#include "history/practice/DrillTime.h"

namespace window::practice {

PracticeProgress readProgress(PracticeRecords& records, std::int64_t now)
{
    PracticeProgress p;
    const std::string today = ::practice::localDay(now);
    p.today = records.answeredOn(today);
    p.due = records.dueCount(now);
    p.situations = records.shareBySituation();
    const std::vector<DayShare> shares = records.dailyShare(::practice::localDayBefore(now, kProgressDays - 1), today);
    std::size_t next = 0;
    for (int back = kProgressDays - 1; back >= 0; --back) {
        DayPoint point;
        point.day = ::practice::localDayBefore(now, back);
        while (next < shares.size() && shares[next].day < point.day)
            ++next;
        if (next < shares.size() && shares[next].day == point.day && shares[next].scored > 0) {
            point.scored = shares[next].scored;
            point.share = static_cast<double>(shares[next].right) / static_cast<double>(shares[next].scored);
        }
        p.days.push_back(std::move(point));
    }
    return p;
}

std::string situationShareText(const SituationShare& share)
{
    std::string text = std::string(engine::actionName(share.action)) + ", "
        + std::string(engine::positionName(share.position)) + " position: " + std::to_string(share.right) + " of "
        + std::to_string(share.scored) + " right";
    if (share.scored > 0) {
        const double percent = 100.0 * static_cast<double>(share.right) / static_cast<double>(share.scored);
        text += " (" + std::to_string(static_cast<int>(std::lround(percent))) + "%)";
    }
    return text;
}

} // namespace window::practice
