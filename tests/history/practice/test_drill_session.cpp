// The session as the command and the window drive it: reproducible questions,
// wrong answers back within the session, right ones back days later, the
// focus kept, every answer in the log.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>

#include "engine/Hand.h"
#include "history/practice/DrillSession.h"
#include "platform/money/Money.h"

namespace {

using namespace practice;

constexpr std::int64_t kMonday = 1'765'276'200;

const platform::Money& money()
{
    return platform::Money::unitedStates();
}

DrillOptions options(DrillFocus focus, std::uint64_t seed, int count, const std::int64_t* clock)
{
    DrillOptions o;
    o.focus = std::move(focus);
    o.seed = seed;
    o.count = count;
    o.clock = [clock] { return *clock; };
    return o;
}

std::optional<AnswerMove> advised(const Scene& scene)
{
    switch (judge(scene, {AnswerMove::Fold, std::nullopt}, money()).adviceClass) {
    case engine::BetClass::Raise: return AnswerMove::Raise;
    case engine::BetClass::Call: return AnswerMove::Call;
    case engine::BetClass::Fold: return AnswerMove::Fold;
    case engine::BetClass::Advice: return std::nullopt;
    }
    return std::nullopt;
}

AnswerMove rightAnswer(const Scene& scene)
{
    return advised(scene).value_or(AnswerMove::Fold);
}

// A move the advisor does not make (a check is a fold's equal in the big blind).
AnswerMove wrongAnswer(const Scene& scene)
{
    const auto a = advised(scene);
    if (!a)
        return AnswerMove::Fold;
    if (*a == AnswerMove::Raise)
        return AnswerMove::Fold;
    return AnswerMove::Raise;
}

std::string describe(const Question& q)
{
    std::string out = situationText(q.key.situation) + " " + std::string(engine::handText(q.key.handIndex)) + " "
        + q.scene.cards.text() + " " + std::to_string(q.scene.players) + " " + std::string(q.scene.heroSeat());
    for (const auto& a : q.scene.before)
        out += " " + std::to_string(a.seatIndex) + history::moveName(a.move).data() + std::to_string(a.toBB);
    return out;
}

std::vector<std::string> drill(std::uint64_t seed)
{
    MemoryDrillLog log;
    const std::int64_t now = kMonday;
    DrillSession session(log, options({}, seed, 30, &now), money());
    std::vector<std::string> out;
    while (const Question* q = session.next()) {
        out.push_back(describe(*q));
        session.answer({rightAnswer(q->scene), std::nullopt});
    }
    return out;
}

TEST(DrillSession, TheSameSeedAsksTheSameQuestions)
{
    const auto first = drill(1);
    EXPECT_EQ(first.size(), 30u);
    EXPECT_EQ(drill(1), first);
    EXPECT_NE(drill(2), first);
}

TEST(DrillSession, AWrongAnswerComesBackAfterAFewQuestions)
{
    MemoryDrillLog log;
    const std::int64_t now = kMonday;
    DrillSession session(log, options({}, 9, 40, &now), money());
    std::vector<CardKey> keys;
    std::set<int> wrong;
    while (const Question* q = session.next()) {
        keys.push_back(q->key);
        const auto& done = session.answer({wrongAnswer(q->scene), std::nullopt});
        if (done.judgement.verdict == DrillVerdict::Wrong)
            wrong.insert(q->number);
    }
    ASSERT_EQ(keys.size(), 40u);
    int checked = 0;
    for (const int n : wrong) {
        const int back = n + Sm2Scheduler::kRelearnGap + 1;
        if (back > 40)
            continue;
        EXPECT_EQ(keys[static_cast<std::size_t>(back - 1)], keys[static_cast<std::size_t>(n - 1)]) << "question " << n;
        ++checked;
    }
    EXPECT_GT(checked, 20);
    EXPECT_EQ(session.score().wrong, static_cast<int>(wrong.size()));
    EXPECT_EQ(session.score().wrong + session.score().unscored, 40);
}

TEST(DrillSession, ARightAnswerWaitsForItsDayAndIsDueFirstThen)
{
    MemoryDrillLog log;
    std::int64_t now = kMonday;
    DrillFocus focus;
    focus.scope = DrillScope::Situation;
    focus.action = engine::PreflopAction::Opened;
    focus.position = engine::Position::Late;
    std::vector<CardKey> scored;
    {
        DrillSession session(log, options(focus, 4, 30, &now), money());
        std::set<CardKey> seen;
        while (const Question* q = session.next()) {
            EXPECT_TRUE(seen.insert(q->key).second) << "asked again: " << describe(*q);
            const auto& done = session.answer({rightAnswer(q->scene), std::nullopt});
            if (done.judgement.verdict == DrillVerdict::Right) {
                EXPECT_EQ(done.schedule->due, now + Sm2Scheduler::kSecondsPerDay);
                scored.push_back(q->key);
            }
            now += 5;
        }
    }
    ASSERT_GT(scored.size(), 10u);
    now += Sm2Scheduler::kSecondsPerDay;
    DrillSession tomorrow(log, options(focus, 5, static_cast<int>(scored.size()), &now), money());
    std::size_t i = 0;
    while (const Question* q = tomorrow.next()) {
        EXPECT_TRUE(q->repeated);
        EXPECT_EQ(q->key, scored[i++]) << "the longest due comes first";
        const auto& done = tomorrow.answer({rightAnswer(q->scene), std::nullopt});
        EXPECT_EQ(done.schedule->intervalDays, 6);
    }
    EXPECT_EQ(i, scored.size());
}

TEST(DrillSession, TheFocusOnOneSituationIsKept)
{
    for (const auto action : engine::kPreflopActions)
        for (const auto position : engine::kPositions) {
            MemoryDrillLog log;
            const std::int64_t now = kMonday;
            DrillFocus focus{DrillScope::Situation, action, position, {}};
            DrillSession session(log, options(focus, 1, 12, &now), money());
            int asked = 0;
            while (const Question* q = session.next()) {
                EXPECT_EQ(q->scene.situation.action, action);
                EXPECT_EQ(q->scene.situation.position, position);
                session.answer({wrongAnswer(q->scene), std::nullopt});
                ++asked;
            }
            // Only the big blind's unopened pot is met nowhere.
            const bool possible = !possibleSituations(action, position).empty();
            EXPECT_EQ(asked, possible ? 12 : 0) << engine::actionName(action) << " " << engine::positionName(position);
        }
}

TEST(DrillSession, MistakesAreAskedByWeight)
{
    const CardKey light{{engine::PreflopAction::Raised, engine::Position::Late, 0}, engine::handIndex("KJ")};
    const CardKey heavy{{engine::PreflopAction::Limped, engine::Position::Blinds, 2}, engine::handIndex("98s")};
    DrillFocus focus;
    focus.scope = DrillScope::Mistakes;
    focus.mistakes = {{light, 1, 0.0}, {heavy, 3, 27.0}};
    MemoryDrillLog log;
    std::int64_t now = kMonday;
    DrillSession session(log, options(focus, 8, 200, &now), money());
    std::map<CardKey, int> asked;
    while (const Question* q = session.next()) {
        ++asked[q->key];
        EXPECT_EQ(q->scene.situation.limpers, q->key.situation.limpers);
        EXPECT_EQ(q->scene.handIndex(), q->key.handIndex);
        session.answer({rightAnswer(q->scene), std::nullopt});
        now += 3 * Sm2Scheduler::kSecondsPerDay; // every card due again
    }
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_GT(asked[light], 0);
    EXPECT_GT(asked[heavy], 10 * asked[light]);
}

TEST(DrillSession, NoMistakesMeansNoQuestion)
{
    MemoryDrillLog log;
    const std::int64_t now = kMonday;
    DrillFocus focus;
    focus.scope = DrillScope::Mistakes;
    DrillSession session(log, options(focus, 1, 5, &now), money());
    EXPECT_EQ(session.next(), nullptr);
    EXPECT_THROW(session.answer({AnswerMove::Fold, std::nullopt}), std::logic_error);
}

TEST(DrillSession, EveryAnswerIsLoggedAndScored)
{
    MemoryDrillLog log;
    const std::int64_t now = kMonday;
    DrillSession session(log, options({}, 21, 60, &now), money());
    int n = 0;
    while (const Question* q = session.next()) {
        const Question* again = session.next();
        EXPECT_EQ(again, q) << "the waiting question stays until answered";
        const AnswerMove move = n++ % 2 == 0 ? rightAnswer(q->scene) : wrongAnswer(q->scene);
        session.answer({move, 2.5});
    }
    const DrillScore& s = session.score();
    EXPECT_EQ(s.answered, 60);
    EXPECT_EQ(s.right + s.wrong + s.unscored, 60);
    ASSERT_EQ(log.answers().size(), 60u);
    int right = 0;
    for (const AnswerRecord& r : log.answers()) {
        EXPECT_EQ(r.schedule.has_value(), r.verdict != DrillVerdict::Unscored);
        EXPECT_EQ(r.day, localDay(now));
        EXPECT_EQ(r.answer.raiseBB, 2.5);
        right += r.verdict == DrillVerdict::Right ? 1 : 0;
    }
    EXPECT_EQ(right, s.right);
    EXPECT_GT(s.right, 0);
    EXPECT_GT(s.wrong, 0);
}

} // namespace
