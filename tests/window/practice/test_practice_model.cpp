// The practice window's headless half: the table told seat by seat, the
// verdict's texts, the focus list, the progress over thirty days, and the
// model driving a session against records kept in memory.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "MemoryRecords.h"
#include "engine/PreflopQuery.h"
#include "history/practice/DrillTime.h"
#include "window/practice/FocusChoice.h"
#include "window/practice/PracticeModel.h"
#include "window/practice/PracticeProgress.h"
#include "window/practice/SceneText.h"
#include "window/practice/VerdictText.h"

namespace {

using engine::PreflopAction;
using engine::Position;
using history::Move;
using practice::AnswerMove;
using practice::DrillScope;
using practice::DrillVerdict;
using practice::Scene;
using practice::SceneAction;
using window::practice::FocusChoice;
using window::practice::PracticeModel;
using window::practice::PracticePhase;

const platform::Money& dollars()
{
    return platform::Money::unitedStates();
}

// Six seats: SB 0, BB 1, UTG 2, HJ 3, CO 4, BTN 5.
Scene sixSeats(int hero, std::vector<SceneAction> before)
{
    Scene s;
    s.players = 6;
    s.heroIndex = hero;
    s.bigBlind = 2;
    s.stacks = {100, 200, 300, 400, 500, 600};
    s.before = std::move(before);
    s.cards = {engine::cards::Card(engine::cards::kAce, 0), engine::cards::Card(engine::cards::kKing, 1)};
    return s;
}

struct SeatCase {
    const char* name;
    Scene scene;
    std::vector<std::string> seats;   // in acting order
    std::vector<std::string> actions; // the same order
    std::string call;
};

class SeatRows : public ::testing::TestWithParam<SeatCase> {};

TEST_P(SeatRows, TellEachSeatInActingOrder)
{
    const SeatCase& c = GetParam();
    const auto rows = window::practice::seatRows(c.scene, dollars());
    std::vector<std::string> seats, actions;
    int heroes = 0;
    for (const auto& r : rows) {
        seats.push_back(r.seat);
        actions.push_back(r.action);
        heroes += r.hero ? 1 : 0;
        if (r.hero) {
            EXPECT_EQ(r.seat, std::string(c.scene.heroSeat()));
        }
    }
    EXPECT_EQ(seats, c.seats);
    EXPECT_EQ(actions, c.actions);
    EXPECT_EQ(heroes, 1);
    EXPECT_EQ(rows.front().stack, "$300.00"); // UTG's
    EXPECT_EQ(window::practice::callCaption(c.scene), c.call);
}

INSTANTIATE_TEST_SUITE_P(
    Scenes, SeatRows,
    ::testing::Values(
        SeatCase{"Limped",
                 sixSeats(4, {{2, Move::Call, 1}, {3, Move::Fold, 0}}),
                 {"UTG", "HJ", "CO", "BTN", "SB", "BB"},
                 {"limps", "folds", "your turn", "to act", "small blind $1.00", "big blind $2.00"},
                 "Call"},
        SeatCase{"ReRaised",
                 sixSeats(0, {{2, Move::Raise, 3}, {3, Move::Call, 3}, {4, Move::Raise, 9}, {5, Move::Fold, 0}}),
                 {"UTG", "HJ", "CO", "BTN", "SB", "BB"},
                 {"raises to $6.00 (3 BB)", "calls $6.00 (3 BB)", "re-raises to $18.00 (9 BB)", "folds", "your turn",
                  "big blind $2.00"},
                 "Call"},
        SeatCase{"BigBlindsOption",
                 sixSeats(1, {{2, Move::Fold, 0}, {3, Move::Call, 1}, {4, Move::Fold, 0}, {5, Move::Fold, 0},
                              {0, Move::Call, 1}}),
                 {"UTG", "HJ", "CO", "BTN", "SB", "BB"},
                 {"folds", "limps", "folds", "folds", "limps", "your turn"},
                 "Check"},
        SeatCase{"BigBlindFacingARaise",
                 sixSeats(1, {{2, Move::Fold, 0}, {3, Move::Fold, 0}, {4, Move::Raise, 2.5}, {5, Move::Fold, 0},
                              {0, Move::Fold, 0}}),
                 {"UTG", "HJ", "CO", "BTN", "SB", "BB"},
                 {"folds", "folds", "raises to $5.00 (2.5 BB)", "folds", "folds", "your turn"},
                 "Call"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(BigBlindsText, IsAsShortAsItReadsExactly)
{
    const std::pair<double, const char*> cases[] = {{3, "3"}, {2.5, "2.5"}, {1.0 / 3, "0.33"}, {27, "27"}, {0, "0"}};
    for (const auto& [bb, text] : cases)
        EXPECT_EQ(window::practice::bigBlindsText(bb), text) << bb;
}

TEST(SceneLine, NamesTheSeatTheCardsAndTheBigBlind)
{
    EXPECT_EQ(window::practice::sceneLine(sixSeats(5, {}), dollars()),
              "You are BTN of 6 with A\u2660 K\u2665; big blind $2.00.");
}

practice::AnsweredQuestion judgedAs(DrillVerdict verdict, engine::BetClass advised, AnswerMove move,
                                    std::optional<double> raiseBB = {},
                                    std::optional<history::SizeVerdict> size = {})
{
    practice::AnsweredQuestion done;
    done.answer = {move, raiseBB};
    done.judgement.verdict = verdict;
    done.judgement.adviceClass = advised;
    done.judgement.size = size;
    return done;
}

TEST(VerdictLine, SaysRightWrongOrNotScored)
{
    using engine::BetClass;
    const std::pair<practice::AnsweredQuestion, const char*> cases[] = {
        {judgedAs(DrillVerdict::Right, BetClass::Fold, AnswerMove::Fold), "Right."},
        {judgedAs(DrillVerdict::Wrong, BetClass::Fold, AnswerMove::Call), "Wrong: the advisor would fold."},
        {judgedAs(DrillVerdict::Wrong, BetClass::Raise, AnswerMove::Fold), "Wrong: the advisor would raise."},
        {judgedAs(DrillVerdict::Wrong, BetClass::Call, AnswerMove::Raise), "Wrong: the advisor would limp or call."},
        {judgedAs(DrillVerdict::Unscored, BetClass::Advice, AnswerMove::Raise), "Not scored: read the advice."},
        {judgedAs(DrillVerdict::Right, BetClass::Raise, AnswerMove::Raise, 2, history::SizeVerdict::Below),
         "Right. Your raise of 2 BB is smaller than advised."},
        {judgedAs(DrillVerdict::Right, BetClass::Raise, AnswerMove::Raise, 4.5, history::SizeVerdict::Within),
         "Right. Your raise of 4.5 BB is the size advised."},
        {judgedAs(DrillVerdict::Right, BetClass::Raise, AnswerMove::Raise, 40, history::SizeVerdict::Above),
         "Right. Your raise of 40 BB is larger than advised."},
    };
    for (const auto& [done, text] : cases)
        EXPECT_EQ(window::practice::verdictLine(done), text);
}

TEST(ChartCellText, NamesTheHandItsGroupAndItsClass)
{
    practice::Judgement j;
    j.cell.hand = "AKs";
    j.cell.group = engine::HandGroup::G1;
    j.cell.betClass = engine::BetClass::Raise;
    EXPECT_EQ(window::practice::chartCellText(j), "AKs: group 1, " + std::string(engine::betClassName(j.cell.betClass)));
    j.cell.hand = "72";
    j.cell.group = engine::HandGroup::NotRanked;
    j.cell.betClass = engine::BetClass::Fold;
    EXPECT_EQ(window::practice::chartCellText(j), "72: Not Ranked, " + std::string(engine::betClassName(j.cell.betClass)));
    EXPECT_EQ(window::practice::advisedBetText(j), "(no bet shown)");
}

TEST(ChartTitle, IsTheChartWindowsOne)
{
    Scene s = sixSeats(3, {{2, Move::Call, 1}});
    s.situation = {PreflopAction::Limped, Position::Middle, 1};
    EXPECT_EQ(window::practice::chartTitle(s, dollars()), "Limped, Middle position, big blind $2.00, 1 limper");
    s.situation = {PreflopAction::Raised, Position::Late, 0};
    EXPECT_EQ(window::practice::chartTitle(s, dollars()), "Raise, Late position, big blind $2.00");
}

TEST(FocusChoices, EverythingAndMistakesFirstThenEachSituationATableMeets)
{
    const auto choices = window::practice::focusChoices();
    ASSERT_GE(choices.size(), 3u);
    EXPECT_EQ(choices[0].scope, DrillScope::Everything);
    EXPECT_EQ(choices[1].scope, DrillScope::Mistakes);
    std::set<std::string> captions;
    for (const FocusChoice& c : choices) {
        captions.insert(window::practice::focusCaption(c));
        if (c.scope == DrillScope::Situation) {
            EXPECT_FALSE(practice::possibleSituations(c.action, c.position).empty()) << window::practice::focusCaption(c);
        }
    }
    EXPECT_EQ(captions.size(), choices.size());
    for (PreflopAction a : engine::kPreflopActions)
        for (Position p : engine::kPositions) {
            const FocusChoice c{DrillScope::Situation, a, p};
            const bool listed = std::find(choices.begin(), choices.end(), c) != choices.end();
            EXPECT_EQ(listed, !practice::possibleSituations(a, p).empty()) << window::practice::focusCaption(c);
        }
}

// A fixed moment: 2026-12-09 12:00 UTC.
constexpr std::int64_t kNoon = 1796817600;

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("TZ", "UTC", 1), tzset(); }
    PracticeModel make(std::uint64_t seed = 7)
    {
        return PracticeModel(records, dollars(), {seed, 2, [this] { return now; }});
    }
    static AnswerMove advised(const Scene& scene)
    {
        switch (engine::answerPreflop(practice::sceneQuery(scene)).bet.betClass) {
        case engine::BetClass::Raise: return AnswerMove::Raise;
        case engine::BetClass::Call: return AnswerMove::Call;
        default: return AnswerMove::Fold;
        }
    }
    practicetest::MemoryRecords records;
    std::int64_t now = kNoon;
};

TEST_F(ModelTest, JudgesEachAnswerCountsItAndKeepsIt)
{
    PracticeModel model = make();
    int right = 0, wrong = 0, unscored = 0;
    for (int i = 0; i < 60; ++i) {
        ASSERT_EQ(model.phase(), PracticePhase::Asking);
        const Scene scene = model.question()->scene;
        const bool scored = engine::answerPreflop(practice::sceneQuery(scene)).bet.betClass != engine::BetClass::Advice;
        // Every other answer the advisor's move, the rest one he would not make.
        AnswerMove move = advised(scene);
        if (i % 2 == 1)
            move = move == AnswerMove::Raise ? AnswerMove::Fold : AnswerMove::Raise;
        EXPECT_FALSE(model.goOn());
        ASSERT_TRUE(model.answer(move));
        EXPECT_FALSE(model.answer(move)) << "one answer a question";
        ASSERT_EQ(model.phase(), PracticePhase::Judged);
        const DrillVerdict v = model.judged()->judgement.verdict;
        if (!scored) {
            EXPECT_EQ(v, DrillVerdict::Unscored);
        } else if (i % 2 == 0) {
            EXPECT_EQ(v, DrillVerdict::Right);
        } else {
            EXPECT_EQ(v, DrillVerdict::Wrong);
        }
        right += v == DrillVerdict::Right;
        wrong += v == DrillVerdict::Wrong;
        unscored += v == DrillVerdict::Unscored;
        EXPECT_EQ(model.question()->number, model.judged()->question.number);
        ASSERT_TRUE(model.goOn());
    }
    EXPECT_EQ(model.score().answered, 60);
    EXPECT_EQ(model.score().right, right);
    EXPECT_EQ(model.score().wrong, wrong);
    EXPECT_EQ(model.score().unscored, unscored);
    EXPECT_GT(right, 0);
    EXPECT_GT(wrong, 0);
    EXPECT_EQ(records.answers().size(), 60u);
    EXPECT_TRUE(model.message().empty());
}

TEST_F(ModelTest, ASituationsFocusAsksOnlyThatSituation)
{
    PracticeModel model = make();
    for (const FocusChoice& focus : window::practice::focusChoices()) {
        if (focus.scope != DrillScope::Situation)
            continue;
        model.setFocus(focus);
        EXPECT_EQ(model.focus(), focus);
        for (int i = 0; i < 4; ++i) {
            ASSERT_EQ(model.phase(), PracticePhase::Asking) << window::practice::focusCaption(focus);
            const auto& s = model.question()->scene.situation;
            EXPECT_EQ(s.action, focus.action) << window::practice::focusCaption(focus);
            EXPECT_EQ(s.position, focus.position) << window::practice::focusCaption(focus);
            model.answer(AnswerMove::Fold);
            model.goOn();
        }
    }
}

TEST_F(ModelTest, MistakesAreAskedAndTheirAbsenceIsSaid)
{
    PracticeModel model = make();
    model.setFocus({DrillScope::Mistakes});
    EXPECT_EQ(model.phase(), PracticePhase::Nothing);
    EXPECT_EQ(model.question(), nullptr);
    EXPECT_FALSE(model.answer(AnswerMove::Fold));
    EXPECT_NE(model.message().find("Review Hands"), std::string::npos) << model.message();

    const practice::CardKey mistake{{PreflopAction::Raised, Position::Late, 0}, 14};
    records.setMistakes({{mistake, 3, 12.5}});
    model.setFocus({DrillScope::Mistakes});
    EXPECT_TRUE(model.message().empty());
    for (int i = 0; i < 5; ++i) {
        ASSERT_EQ(model.phase(), PracticePhase::Asking);
        EXPECT_EQ(model.question()->key, mistake);
        model.answer(AnswerMove::Call);
        model.goOn();
    }
    // Back to everything: the message and the mistakes' focus are gone.
    model.setFocus({});
    EXPECT_EQ(model.phase(), PracticePhase::Asking);
}

TEST_F(ModelTest, AnAnswerTheRecordsCannotKeepIsStillJudgedAndSaidSo)
{
    PracticeModel model = make();
    records.failFrom(1);
    ASSERT_TRUE(model.answer(AnswerMove::Fold));
    EXPECT_TRUE(model.message().empty());
    ASSERT_TRUE(model.goOn());
    const int number = model.question()->number;
    ASSERT_TRUE(model.answer(AnswerMove::Raise));
    EXPECT_EQ(model.phase(), PracticePhase::Judged);
    EXPECT_EQ(model.judged()->question.number, number);
    EXPECT_NE(model.message().find("disk is full"), std::string::npos);
    EXPECT_EQ(model.score().answered, 2);
    EXPECT_EQ(records.answers().size(), 1u);
    ASSERT_TRUE(model.goOn());
    EXPECT_EQ(model.phase(), PracticePhase::Asking);
}

TEST_F(ModelTest, ASizeGoesWithARaiseOnly)
{
    const struct {
        AnswerMove move;
        std::optional<double> size;
        std::optional<double> kept;
    } cases[] = {{AnswerMove::Raise, 3.5, 3.5}, {AnswerMove::Raise, std::nullopt, std::nullopt},
                 {AnswerMove::Raise, 0.0, std::nullopt}, {AnswerMove::Raise, -2.0, std::nullopt},
                 {AnswerMove::Call, 3.0, std::nullopt}, {AnswerMove::Fold, 3.0, std::nullopt}};
    PracticeModel model = make();
    for (const auto& c : cases) {
        ASSERT_TRUE(model.answer(c.move, c.size));
        EXPECT_EQ(records.answers().back().answer.raiseBB, c.kept);
        EXPECT_EQ(model.judged()->answer.raiseBB, c.kept);
        model.goOn();
    }
}

TEST_F(ModelTest, ProgressCountsTodayAndEachOfThirtyDays)
{
    PracticeModel model = make();
    // Three days ago two answers, today three, and forty days ago one that is out of the chart.
    const struct {
        int daysAgo;
        int answers;
    } plan[] = {{40, 1}, {3, 2}, {0, 3}};
    for (const auto& p : plan) {
        now = kNoon - p.daysAgo * 86400;
        for (int i = 0; i < p.answers; ++i) {
            model.answer(advised(model.question()->scene));
            model.goOn();
        }
    }
    now = kNoon;
    const auto progress = model.progress();
    EXPECT_EQ(progress.today, 3u);
    ASSERT_EQ(progress.days.size(), 30u);
    EXPECT_EQ(progress.days.back().day, "2026-12-09");
    EXPECT_EQ(progress.days.front().day, "2026-11-10");
    int shown = 0;
    for (std::size_t i = 0; i < progress.days.size(); ++i) {
        const auto& d = progress.days[i];
        if (!d.share)
            continue;
        ++shown;
        EXPECT_TRUE(i == 26 || i == 29) << d.day;
        EXPECT_GT(d.scored, 0u);
        EXPECT_LE(*d.share, 1.0);
    }
    EXPECT_GE(shown, 1);
    std::uint64_t scored = 0;
    for (const auto& s : progress.situations)
        scored += s.scored;
    EXPECT_EQ(scored, static_cast<std::uint64_t>(model.score().right + model.score().wrong));
}

TEST(SituationShareText, GivesRightOfScoredAndTheShare)
{
    EXPECT_EQ(window::practice::situationShareText({PreflopAction::Raised, Position::Late, 9, 7}),
              "Raise, Late position: 7 of 9 right (78%)");
    EXPECT_EQ(window::practice::situationShareText({PreflopAction::Opened, Position::Early, 0, 0}),
              "Opened, Early position: 0 of 0 right");
}

} // namespace
