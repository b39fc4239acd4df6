#pragma once
// What the player chooses to practise: everything, one situation (an action
// before him and his position), or his own mistakes from the review.

#include <string>
#include <vector>

#include "history/practice/QuestionPicker.h"

namespace window::practice {

struct FocusChoice {
    ::practice::DrillScope scope = ::practice::DrillScope::Everything;
    engine::PreflopAction action = engine::PreflopAction::Opened; // with Situation
    engine::Position position = engine::Position::Early;          // with Situation

    friend bool operator==(const FocusChoice&, const FocusChoice&) = default;
};

// Everything, my mistakes, then every situation some table meets, by action
// then position: the window's list, in its order.
std::vector<FocusChoice> focusChoices();

// "Everything", "My mistakes", "Raise, Late position".
std::string focusCaption(const FocusChoice& choice);

} // namespace window::practice
