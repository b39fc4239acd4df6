#include "window/practice/FocusChoice.h"

namespace window::practice {

std::vector<FocusChoice> focusChoices()
{
    std::vector<FocusChoice> choices{{::practice::DrillScope::Everything}, {::practice::DrillScope::Mistakes}};
    for (engine::PreflopAction a : engine::kPreflopActions)
        for (engine::Position p : engine::kPositions)
            if (!::practice::possibleSituations(a, p).empty())
                choices.push_back({::practice::DrillScope::Situation, a, p});
    return choices;
}

std::string focusCaption(const FocusChoice& choice)
{
    switch (choice.scope) {
    case ::practice::DrillScope::Everything: return "Everything";
    case ::practice::DrillScope::Mistakes: return "My mistakes";
    case ::practice::DrillScope::Situation: break;
    }
    return std::string(engine::actionName(choice.action)) + ", " + std::string(engine::positionName(choice.position))
        + " position";
}

} // namespace window::practice
