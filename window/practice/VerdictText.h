#pragma once
// A judged practice answer told as the window shows it: right or wrong, the
// advisor's bet, his advice, and the hand's cell in the situation's chart as
// the chart window names it.

#include <string>

#include "history/practice/DrillSession.h"
#include "platform/money/Money.h"

namespace window::practice {

// "Right.", "Wrong: the advisor would fold.", "Not scored: read the advice."
// A right raise with a size given says how the size stands to the advice.
std::string verdictLine(const ::practice::AnsweredQuestion& done);

// The advisor's bet in money, or "(no bet shown)".
std::string advisedBetText(const ::practice::Judgement& judgement);

// "AKs: group 1, raise", as the chart window's cell and legend name it.
std::string chartCellText(const ::practice::Judgement& judgement);

// The chart window's title for the question's situation.
std::string chartTitle(const ::practice::Scene& scene, const platform::Money& money);

} // namespace window::practice
