#include "cli/DrillOutput.h"

#include <charconv>
#include <cmath>

#include "cli/CommandLine.h"
#include "cli/JsonWriter.h"
#include "engine/Chart.h"
#include "engine/Hand.h"
#include "history/grading/Decision.h"
#include "platform/money/Money.h"
#include "platform/text/Trimmed.h"

namespace cli {

namespace {

using platform::text::trimmed;
using practice::AnswerMove;
using practice::DrillVerdict;

constexpr double kLargestRaiseBB = 1000;

std::string seatLabel(const practice::Scene& scene, int seat)
{
    return std::string(scene.seatName(seat));
}

std::string actionText(const practice::Scene& scene, const practice::SceneAction& a, const platform::Money& money)
{
    std::string out = seatLabel(scene, a.seatIndex);
    switch (a.move) {
    case history::Move::Fold: return out + " folds";
    case history::Move::Check: return out + " checks";
    case history::Move::Call:
        return out + (a.toBB <= 1 ? " limps " : " calls ") + money.amountText(a.toBB * scene.bigBlind);
    case history::Move::Raise: return out + " raises to " + money.amountText(a.toBB * scene.bigBlind);
    }
    return out;
}

std::string lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

} // namespace

std::string drillPrompt(const practice::Scene& scene)
{
    return std::string("Your move: f to fold, c to ") + (scene.heroCanCheck() ? "check" : "call")
        + ", r to raise (r 3.5: to 3.5 big blinds)? ";
}

std::string drillQuestionText(const practice::Question& q, int count, const platform::Money& money)
{
    const practice::Scene& scene = q.scene;
    std::string out = "Question " + std::to_string(q.number);
    if (count > 0)
        out += " of " + std::to_string(count);
    out += ": " + std::to_string(scene.players) + " players, big blind " + money.amountText(scene.bigBlind) + "\n";
    for (int seat = 0; seat < scene.players; ++seat) {
        std::string label = seatLabel(scene, seat);
        label.resize(std::max<std::size_t>(label.size(), 6), ' ');
        out += (seat == scene.heroIndex ? "  > " : "    ") + label
            + money.amountText(scene.stacks[static_cast<std::size_t>(seat)])
            + (seat == scene.heroIndex ? "  you" : "") + "\n";
    }
    out += "Before you:";
    if (scene.before.empty())
        out += " nobody has acted";
    for (std::size_t i = 0; i < scene.before.size(); ++i)
        out += (i == 0 ? " " : ", ") + actionText(scene, scene.before[i], money);
    out += ".\nYou are " + std::string(scene.heroSeat()) + " with " + scene.cards.high.text() + " "
        + scene.cards.low.text() + " (" + std::string(engine::handText(scene.handIndex())) + ").\n";
    return out + drillPrompt(scene);
}

std::string drillVerdictText(const practice::AnsweredQuestion& done, const platform::Money& money)
{
    const practice::Judgement& j = done.judgement;
    std::string out;
    switch (j.verdict) {
    case DrillVerdict::Right: out = "Right."; break;
    case DrillVerdict::Wrong: out = "Wrong."; break;
    case DrillVerdict::Unscored: out = "Not scored: the advisor answers this hand in words."; break;
    }
    // A bet in words ("Fold") says no more than its class.
    const bool amounts = j.advice.bet.kind == engine::Bet::Kind::Amount || j.advice.bet.kind == engine::Bet::Kind::Range;
    if (j.verdict != DrillVerdict::Unscored)
        out += " The advisor: " + std::string(engine::betClassName(j.adviceClass))
            + (amounts ? " " + engine::betText(j.advice.bet, money) : std::string()) + ".";
    if (j.size)
        out += " Your size is " + std::string(history::sizeName(*j.size)) + " the advisor's.";
    out += "\nChart, " + practice::situationText(done.question.key.situation) + ": " + j.cell.hand + ", group "
        + std::string(engine::groupText(j.cell.group)) + ", " + std::string(engine::betClassName(j.cell.betClass));
    if (amounts && !j.cell.bet.empty())
        out += " (" + j.cell.bet + ")";
    out += "\n";
    const std::string advice = forTerminal(j.cell.advice);
    if (!advice.empty())
        out += "Advice: " + advice + "\n";
    if (done.schedule)
        out += "Asked again: " + practice::isoTime(done.schedule->due) + "\n";
    return out + "\n";
}

std::string drillJsonLine(const practice::AnsweredQuestion& done)
{
    const practice::Scene& scene = done.question.scene;
    const practice::DrillSituation& s = done.question.key.situation;
    JsonWriter json;
    json.beginObject().key("situation").beginObject();
    json.member("before", history::beforeName(s.action)).member("position", engine::positionName(s.position));
    json.memberInteger("limpers", static_cast<std::uint64_t>(s.limpers)).memberReal("big_blind", scene.bigBlind);
    json.endObject();
    json.member("seat", scene.heroSeat()).memberInteger("players", static_cast<std::uint64_t>(scene.players));
    json.member("cards", scene.cards.text()).member("hand_class", engine::handText(scene.handIndex()));
    json.member("answer", practice::answerName(done.answer.move));
    json.member("advice_class", history::adviceClassName(done.judgement.adviceClass));
    json.member("verdict", practice::verdictName(done.judgement.verdict)).key("next_due");
    if (done.schedule)
        json.string(practice::isoTime(done.schedule->due));
    else
        json.null();
    json.endObject();
    return json.text() + "\n";
}

std::string drillScoreText(const practice::DrillScore& score)
{
    const int scored = score.right + score.wrong;
    std::string out = "Score: " + std::to_string(score.right) + " right of " + std::to_string(scored) + " scored";
    if (scored > 0)
        out += " (" + std::to_string(static_cast<int>(std::lround(100.0 * score.right / scored))) + "%)";
    if (score.unscored > 0)
        out += ", " + std::to_string(score.unscored) + " not scored";
    return out + ".\n";
}

std::variant<practice::Answer, std::string> readDrillAnswer(std::string_view line)
{
    const std::string_view text = trimmed(line);
    const std::string word = lower(text.substr(0, text.find_first_of(" \t")));
    const std::string_view rest =
        trimmed(text.size() > word.size() ? text.substr(word.size()) : std::string_view());
    const std::string usage = "type f, c or r, or r and the size in big blinds (r 3.5)";
    practice::Answer answer;
    if (word == "f" || word == "fold")
        answer.move = AnswerMove::Fold;
    else if (word == "c" || word == "call" || word == "check")
        answer.move = AnswerMove::Call;
    else if (word == "r" || word == "raise")
        answer.move = AnswerMove::Raise;
    else
        return text.empty() ? "no answer: " + usage : "\"" + std::string(text) + "\" is no answer: " + usage;
    if (rest.empty())
        return answer;
    if (answer.move != AnswerMove::Raise)
        return "\"" + std::string(text) + "\": only a raise takes a size";
    double size = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), size, std::chars_format::fixed);
    if (ec != std::errc() || end != rest.data() + rest.size() || !(size > 0) || size > kLargestRaiseBB)
        return "\"" + std::string(rest) + "\" is no raise size: a number of big blinds above 0 and at most 1000 (r 3.5)";
    answer.raiseBB = size;
    return answer;
}

} // namespace cli
