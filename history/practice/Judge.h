#pragma once
// The judge of a practice answer is the advisor: the answer is right when it
// is the move of the advisor's bet class for the hand in the question's
// situation. Where the advisor answers in words ("see the advice"), the advice
// is shown and nothing is scored.

#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/Chart.h"
#include "engine/PreflopQuery.h"
#include "history/grading/Decision.h"
#include "history/practice/Scene.h"

namespace platform {
class Money;
}

namespace practice {

enum class AnswerMove : std::uint8_t { Fold, Call, Raise }; // a call is a limp, or a check where that is the option
inline constexpr int kAnswerMoveCount = 3;

struct Answer {
    AnswerMove move = AnswerMove::Fold;
    std::optional<double> raiseBB; // the raise's size in big blinds, when given
};

enum class DrillVerdict : std::uint8_t { Right, Wrong, Unscored };
inline constexpr int kDrillVerdictCount = 3;

struct Judgement {
    DrillVerdict verdict = DrillVerdict::Unscored;
    engine::BetClass adviceClass = engine::BetClass::Advice;
    engine::PreflopAnswer advice;  // the group, the advice text and the bet
    engine::ChartCell cell;        // the hand's cell in the situation's chart, in the money format
    // Against the advisor's amounts, for a right raise whose size was given.
    std::optional<history::SizeVerdict> size;
};

// The query the advisor is asked for a scene.
engine::PreflopQuery sceneQuery(const Scene& scene);

Judgement judge(const Scene& scene, const Answer& answer, const platform::Money& money);

std::string_view answerName(AnswerMove m);       // "fold", "call", "raise"
std::string_view verdictName(DrillVerdict v);    // "right", "wrong", "unscored"

} // namespace practice
