#pragma once
// What `tablewise drill` writes and reads: a question as the table shows it,
// the verdict with the advice, one JSON line per answered question, the
// score, and the answer typed on a line.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "history/practice/DrillSession.h"

namespace platform {
class Money;
}

namespace cli {

// The seats with their stacks (his marked), what came before him in order,
// his cards, and the prompt.
std::string drillQuestionText(const practice::Question& q, int count, const platform::Money& money);
// The prompt alone, asked again after a line that is no answer.
std::string drillPrompt(const practice::Scene& scene);
// Right, wrong or not scored; the advisor's bet, his hand's cell in the
// situation's chart, the advice, and when the card comes back.
std::string drillVerdictText(const practice::AnsweredQuestion& done, const platform::Money& money);
// One line of JSON, with its line end.
std::string drillJsonLine(const practice::AnsweredQuestion& done);
std::string drillScoreText(const practice::DrillScore& score);

// An answer line: f, c, r or r 3.5 (fold, call, check, raise and their words
// too, in any case). A raise's size is in big blinds, above 0 and at most 1000.
// Otherwise the message saying why.
std::variant<practice::Answer, std::string> readDrillAnswer(std::string_view line);

} // namespace cli
