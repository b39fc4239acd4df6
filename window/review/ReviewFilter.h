#pragma once
// What the list of decisions shows: a situation (an action before the player
// and a position, or the heads-up hands) and a verdict, each "all" when unset.

#include <optional>
#include <string>
#include <vector>

#include "engine/Situation.h"
#include "history/grading/Decision.h"

namespace window::review {

struct SituationChoice {
    engine::PreflopAction before = engine::PreflopAction::Opened;
    std::optional<engine::Position> position; // none: heads-up
    friend bool operator==(const SituationChoice&, const SituationChoice&) = default;
};

// The choices of the situation selector after "All situations": every row
// and column of the grid, then each action heads-up.
std::vector<SituationChoice> situationChoices();
std::string situationCaption(const SituationChoice& choice);

// The verdict selector's choices, in its order: All, Tighter, Looser, Follows, Ungraded.
inline constexpr std::optional<history::Verdict> kVerdictChoices[] = {
    std::nullopt, history::Verdict::Tighter, history::Verdict::Looser, history::Verdict::Follows,
    history::Verdict::Ungraded};
std::string verdictCaption(std::optional<history::Verdict> verdict);

struct ReviewFilter {
    std::optional<SituationChoice> situation;
    std::optional<history::Verdict> verdict;

    bool matches(const history::Decision& d) const;
};

} // namespace window::review
