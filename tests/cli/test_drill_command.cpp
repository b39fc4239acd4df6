// `tablewise drill` as a user runs it: questions on standard output, answers
// on standard input, the verdicts and the score, the JSON lines, the store
// keeping every answer, and the errors.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "ReplayHarness.h"
#include "cli/DrillOutput.h"
#include "engine/Hand.h"
#include "history/grading/Decision.h"
#include "history/practice/DrillTime.h"
#include "store/DrillStore.h"
#include "tests/store/GeneratedHands.h"

namespace fs = std::filesystem;

namespace {

using clitest::RunResult;
using clitest::tablewise;
using testsupport::writeFile;

constexpr const char* kNow = "2026-12-09T10:45:00Z";

class DrillCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
            / ("tablewise-drill-" + std::to_string(::getpid()) + "-"
               + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        db = folder / "hands.sqlite";
        ::setenv("TABLEWISE_DRILL_NOW", kNow, 1);
    }
    void TearDown() override
    {
        ::unsetenv("TABLEWISE_DRILL_NOW");
        fs::remove_all(folder);
    }

    RunResult drill(const std::string& args, const std::string& input)
    {
        return tablewise("drill --db " + db.string() + " " + args, input);
    }

    fs::path folder;
    fs::path db;
};

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::string repeated(const std::string& line, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += line + "\n";
    return out;
}

// The text of a JSON string field, or "null" for a null one.
std::string field(const std::string& json, const std::string& name)
{
    const std::regex text("\"" + name + "\":(\"([^\"]*)\"|null|[0-9.]+)");
    std::smatch m;
    if (!std::regex_search(json, m, text))
        return "<missing>";
    return m[2].matched ? m[2].str() : m[1].str();
}

TEST_F(DrillCommand, WrongArgumentsAreRefusedAndNothingIsAsked)
{
    const struct {
        const char* args;
        const char* error;
    } cases[] = {
        {"--situation raised", "tablewise: drill: --situation \"raised\" is not ACTION/POSITION"},
        {"--situation sideways/late", "tablewise: drill: --situation \"sideways/late\" is not ACTION/POSITION"},
        {"--situation opened/nowhere", "tablewise: drill: --situation \"opened/nowhere\" is not ACTION/POSITION"},
        {"--situation raised/late --mistakes", "tablewise: drill: --situation and --mistakes go apart"},
        {"--player Hero", "tablewise: drill: --player goes with --mistakes"},
        {"--count 0", "tablewise: drill: --count \"0\" is not a whole number above 0"},
        {"--count 3x", "tablewise: drill: --count \"3x\" is not a whole number above 0"},
        {"--seed -1", "tablewise: drill: --seed \"-1\" is not a whole number from 0"},
        {"--bb 0", "tablewise: drill: --bb \"0\" is not an amount above 0"},
        {"--format xml", "tablewise: drill: --format \"xml\" is not text or json"},
        {"extra", "tablewise: drill: "},
    };
    for (const auto& c : cases) {
        const RunResult r = drill(c.args, "f\n");
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.err.substr(0, std::string(c.error).size()), c.error) << c.args << ": " << r.err;
        EXPECT_EQ(r.out, "") << c.args;
    }
    EXPECT_FALSE(fs::exists(db));
}

TEST_F(DrillCommand, TheSameSeedAsksTheSameQuestions)
{
    const std::string answers = repeated("f", 6) + repeated("c", 6) + repeated("r", 6);
    const RunResult first = drill("--seed 7 --count 18", answers);
    ASSERT_EQ(first.status, 0) << first.err;
    fs::remove(db);
    const RunResult again = drill("--seed 7 --count 18", answers);
    EXPECT_EQ(again.out, first.out);
    fs::remove(db);
    EXPECT_NE(drill("--seed 8 --count 18", answers).out, first.out);
    EXPECT_NE(first.out.find("Question 18 of 18:"), std::string::npos);
    EXPECT_NE(first.out.find("Score: "), std::string::npos);
}

TEST_F(DrillCommand, EachJsonLineIsAnAnswerJudgedByItsAdviceClass)
{
    const std::vector<std::string> given = {"f", "c", "r 3.5", "raise", "FOLD", "check"};
    std::string answers;
    for (int i = 0; i < 30; ++i)
        answers += given[static_cast<std::size_t>(i) % given.size()] + "\n";
    const RunResult r = drill("--seed 11 --count 30 --format json", answers);
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 30u);
    const std::int64_t now = *practice::parseIsoTime(kNow);
    std::map<std::string, int> verdicts;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const std::string& line = out[i];
        SCOPED_TRACE(line);
        ASSERT_EQ(line.front(), '{');
        ASSERT_EQ(line.back(), '}');
        for (const char* name : {"before", "position", "limpers", "big_blind", "seat", "players", "cards", "hand_class",
                                 "answer", "advice_class", "verdict", "next_due"})
            EXPECT_NE(field(line, name), "<missing>") << name;
        EXPECT_EQ(field(line, "big_blind"), "2");
        const std::string answer = field(line, "answer");
        const std::string advice = field(line, "advice_class");
        const std::string verdict = field(line, "verdict");
        const std::string& typed = given[i % given.size()];
        EXPECT_EQ(answer, typed == "f" || typed == "FOLD" ? "fold" : typed == "c" || typed == "check" ? "call" : "raise");
        ++verdicts[verdict];
        if (advice == "advice") {
            EXPECT_EQ(verdict, "unscored");
            EXPECT_EQ(field(line, "next_due"), "null");
            continue;
        }
        const bool checkForFold = advice == "fold" && answer == "call" && field(line, "seat") == "BB"
            && (field(line, "before") == "Limped");
        EXPECT_EQ(verdict, answer == advice || checkForFold ? "right" : "wrong");
        // A card met for the first time: a day on when right, ten minutes when wrong.
        const std::int64_t due = *practice::parseIsoTime(field(line, "next_due"));
        if (verdict == "right")
            EXPECT_TRUE(due == now + 86400 || due > now + 86400) << due - now;
        else
            EXPECT_EQ(due, now + 600);
    }
    EXPECT_GT(verdicts["right"], 0);
    EXPECT_GT(verdicts["wrong"], 0);
    EXPECT_NE(r.err.find("Score: "), std::string::npos) << "the score goes to standard error in JSON";
}

TEST_F(DrillCommand, ALineThatIsNoAnswerIsToldAndTheQuestionAskedAgain)
{
    const RunResult r = drill("--seed 2 --count 2", "x\n\nr abc\nc 3\nr 0\nf\nr 2.5\n");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto err = lines(r.err);
    ASSERT_EQ(err.size(), 5u) << r.err;
    EXPECT_EQ(err[0].rfind("tablewise: drill: \"x\" is no answer: type f, c or r", 0), 0u);
    EXPECT_EQ(err[1].rfind("tablewise: drill: no answer: type f, c or r", 0), 0u);
    EXPECT_EQ(err[2].rfind("tablewise: drill: \"abc\" is no raise size", 0), 0u);
    EXPECT_EQ(err[3].rfind("tablewise: drill: \"c 3\": only a raise takes a size", 0), 0u);
    EXPECT_EQ(err[4].rfind("tablewise: drill: \"0\" is no raise size", 0), 0u);
    std::size_t prompts = 0;
    for (std::size_t at = r.out.find("Your move:"); at != std::string::npos; at = r.out.find("Your move:", at + 1))
        ++prompts;
    EXPECT_EQ(prompts, 2u + 5u);
    store::DrillStore drills(db);
    const auto stored = drills.answers();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0].answer.move, practice::AnswerMove::Fold);
    EXPECT_EQ(stored[1].answer.raiseBB, 2.5);
}

TEST_F(DrillCommand, TheEndOfInputEndsTheDrillWithTheAnswersKept)
{
    const RunResult r = drill("--seed 5 --count 10", "f\nc\nr\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("Question 4 of 10"), std::string::npos);
    EXPECT_EQ(r.out.find("Question 5 of 10"), std::string::npos);
    const std::regex score("Score: ([0-9]+) right of ([0-9]+) scored");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(r.out, m, score)) << r.out;
    store::DrillStore drills(db);
    const auto stored = drills.answers();
    ASSERT_EQ(stored.size(), 3u);
    int right = 0, scored = 0;
    for (const auto& a : stored) {
        right += a.verdict == practice::DrillVerdict::Right ? 1 : 0;
        scored += a.verdict == practice::DrillVerdict::Unscored ? 0 : 1;
    }
    EXPECT_EQ(m[1].str(), std::to_string(right));
    EXPECT_EQ(m[2].str(), std::to_string(scored));
}

TEST_F(DrillCommand, OneSituationIsAskedAlone)
{
    const RunResult r = drill("--situation Raised-Called/late --seed 1 --count 15 -f json", repeated("r", 15));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 15u);
    for (const auto& line : out) {
        EXPECT_EQ(field(line, "before"), "RaisedCalled") << line;
        EXPECT_EQ(field(line, "position"), "Late") << line;
        EXPECT_TRUE(field(line, "seat") == "CO" || field(line, "seat") == "BTN") << line;
    }
}

TEST_F(DrillCommand, MistakesComeFromTheReviewedHands)
{
    const RunResult none = drill("--mistakes --seed 1", "f\n");
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("holds no decision of any player that differs from the advice"), std::string::npos)
        << none.err;
    EXPECT_EQ(none.out, "");

    writeFile(folder / "h.txt", storetest::roomTextHands(1, 200));
    ASSERT_EQ(tablewise("import --db " + db.string() + " " + (folder / "h.txt").string()).status, 0);
    std::set<std::string> mistakes;
    {
        store::DrillStore drills(db);
        for (const auto& m : drills.mistakes(drills.mostSeenPlayer()))
            mistakes.insert(std::string(history::beforeName(m.key.situation.action)) + "/"
                            + std::string(engine::positionName(m.key.situation.position)) + "/"
                            + std::string(engine::handText(m.key.handIndex)));
    }
    ASSERT_FALSE(mistakes.empty());
    const RunResult r = drill("--mistakes --seed 3 --count 25 -f json", repeated("c", 25));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 25u);
    for (const auto& line : out)
        EXPECT_TRUE(mistakes.count(field(line, "before") + "/" + field(line, "position") + "/"
                                   + field(line, "hand_class")))
            << line;
}

// Answer lines read in-process: every spelling of the three moves, a raise's
// size, and what is no answer.
TEST(DrillAnswerLine, EachLineIsAMoveOrSaysWhyNot)
{
    using practice::AnswerMove;
    const struct {
        const char* line;
        std::optional<AnswerMove> move;
        std::optional<double> size;
    } cases[] = {
        {"f", AnswerMove::Fold, {}},          {"  FOLD \r", AnswerMove::Fold, {}}, {"c", AnswerMove::Call, {}},
        {"Call", AnswerMove::Call, {}},       {"check", AnswerMove::Call, {}},    {"r", AnswerMove::Raise, {}},
        {"raise", AnswerMove::Raise, {}},     {"r 3.5", AnswerMove::Raise, 3.5},  {"R\t12", AnswerMove::Raise, 12.0},
        {"raise 1000", AnswerMove::Raise, 1000.0},
        {"", {}, {}},                          {"x", {}, {}},                       {"fo", {}, {}},
        {"r 0", {}, {}},                       {"r -2", {}, {}},                    {"r 1000.5", {}, {}},
        {"r 3,5", {}, {}},                     {"r 3.5 bb", {}, {}},                {"f 2", {}, {}},
        {"r nan", {}, {}},                     {"r 1e3", {}, {}},
    };
    for (const auto& c : cases) {
        const auto read = cli::readDrillAnswer(c.line);
        const auto* answer = std::get_if<practice::Answer>(&read);
        ASSERT_EQ(answer != nullptr, c.move.has_value()) << "\"" << c.line << "\"";
        if (answer) {
            EXPECT_EQ(answer->move, *c.move) << c.line;
            EXPECT_EQ(answer->raiseBB, c.size) << c.line;
        } else {
            EXPECT_FALSE(std::get<std::string>(read).empty()) << c.line;
        }
    }
}

} // namespace
