#include "window/review/ReviewFilter.h"

#include "window/review/SituationGrid.h"

namespace window::review {

std::vector<SituationChoice> situationChoices()
{
    std::vector<SituationChoice> choices;
    for (engine::PreflopAction before : engine::kPreflopActions)
        for (engine::Position position : engine::kPositions)
            choices.push_back({before, position});
    for (engine::PreflopAction before : engine::kPreflopActions)
        choices.push_back({before, std::nullopt});
    return choices;
}

std::string situationCaption(const SituationChoice& choice)
{
    std::string caption(rowCaption(choice.before));
    caption += ", ";
    caption += choice.position ? engine::positionName(*choice.position) : "heads-up";
    return caption;
}

std::string verdictCaption(std::optional<history::Verdict> verdict)
{
    if (!verdict)
        return "All";
    switch (*verdict) {
    case history::Verdict::Follows: return "Follows";
    case history::Verdict::Tighter: return "Tighter";
    case history::Verdict::Looser: return "Looser";
    case history::Verdict::Ungraded: return "Ungraded";
    }
    return "";
}

bool ReviewFilter::matches(const history::Decision& d) const
{
    if (verdict && d.verdict != *verdict)
        return false;
    if (situation && (d.before != situation->before || d.position != situation->position))
        return false;
    return true;
}

} // namespace window::review
