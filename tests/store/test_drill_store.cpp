// The drills' tables in the store: answers and schedules kept across
// connections, the progress the practice window shows, the mistakes the
// review found, the upgrade of an older store, and an import running beside.

#include <gtest/gtest.h>

#include <map>
#include <thread>

#include "engine/Hand.h"
#include "history/practice/DrillTime.h"
#include "store/Database.h"
#include "store/DrillStore.h"
#include "store/HandStore.h"
#include "store/Schema.h"
#include "tests/store/GeneratedHands.h"
#include "tests/store/StoreTestFolder.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;
using practice::AnswerMove;
using practice::DrillVerdict;
using storetest::StoreTest;
using testsupport::writeFile;

constexpr std::int64_t kNoon = 1'765'281'600; // 2025-12-09T12:00:00Z
constexpr std::int64_t kDay = 86400;

practice::CardKey key(engine::PreflopAction action, engine::Position position, int limpers, const char* hand)
{
    return {{action, position, limpers}, engine::handIndex(hand)};
}

practice::AnswerRecord answer(const practice::CardKey& k, std::int64_t at, DrillVerdict verdict,
                              std::optional<double> raiseBB = std::nullopt)
{
    practice::AnswerRecord a;
    a.key = k;
    a.answeredAt = at;
    a.day = practice::isoTime(at).substr(0, 10);
    a.players = 6;
    a.seat = "CO";
    a.cards = {engine::cards::Card(engine::cards::kAce, 0), engine::cards::Card(engine::cards::kKing, 2)};
    a.answer = {raiseBB ? AnswerMove::Raise : AnswerMove::Fold, raiseBB};
    a.adviceClass = engine::BetClass::Raise;
    a.verdict = verdict;
    if (verdict != DrillVerdict::Unscored)
        a.schedule = practice::Sm2Scheduler::review(
            {}, verdict == DrillVerdict::Right ? practice::Sm2Scheduler::kRightGrade : practice::Sm2Scheduler::kWrongGrade,
            at);
    return a;
}

const practice::CardKey kOpenAK = key(engine::PreflopAction::Opened, engine::Position::Late, 0, "AK");
const practice::CardKey kLimped72 = key(engine::PreflopAction::Limped, engine::Position::Blinds, 2, "72");
const practice::CardKey kRaisedQQ = key(engine::PreflopAction::Raised, engine::Position::Early, 0, "QQ");

using DrillStoreTest = StoreTest;

TEST_F(DrillStoreTest, AnswersAndSchedulesOutliveTheConnection)
{
    const std::vector<practice::AnswerRecord> given = {
        answer(kOpenAK, kNoon, DrillVerdict::Right, 2.5), answer(kLimped72, kNoon + 10, DrillVerdict::Wrong),
        answer(kRaisedQQ, kNoon + 20, DrillVerdict::Unscored)};
    {
        store::DrillStore drills(db);
        for (const auto& a : given)
            drills.record(a);
    }
    store::DrillStore drills(db);
    const auto back = drills.answers();
    ASSERT_EQ(back.size(), given.size());
    for (std::size_t i = 0; i < given.size(); ++i) {
        EXPECT_EQ(back[i].key, given[i].key);
        EXPECT_EQ(back[i].answeredAt, given[i].answeredAt);
        EXPECT_EQ(back[i].day, given[i].day);
        EXPECT_EQ(back[i].cards, given[i].cards);
        EXPECT_EQ(back[i].seat, given[i].seat);
        EXPECT_EQ(back[i].answer.move, given[i].answer.move);
        EXPECT_EQ(back[i].answer.raiseBB, given[i].answer.raiseBB);
        EXPECT_EQ(back[i].verdict, given[i].verdict);
        EXPECT_EQ(drills.schedule(given[i].key), given[i].schedule);
    }
    // The wrong one is due ten minutes on, the right one a day on; the unscored has no card.
    EXPECT_TRUE(drills.dueCards(kNoon, 10).empty());
    const auto soon = drills.dueCards(kNoon + 3600, 10);
    ASSERT_EQ(soon.size(), 1u);
    EXPECT_EQ(soon[0].key, kLimped72);
    const auto later = drills.dueCards(kNoon + 2 * kDay, 10);
    ASSERT_EQ(later.size(), 2u);
    EXPECT_EQ(later[0].key, kLimped72) << "the longest due first";
    EXPECT_EQ(later[1].key, kOpenAK);
    EXPECT_EQ(drills.dueCards(kNoon + 2 * kDay, 1).size(), 1u);
    EXPECT_EQ(drills.dueCount(kNoon + 2 * kDay), 2u);
    EXPECT_EQ(drills.dueCount(kNoon), 0u);
}

TEST_F(DrillStoreTest, ProgressIsCountedByDayAndBySituation)
{
    // Day by day: (days before today, card, verdict).
    const struct {
        int daysAgo;
        practice::CardKey card;
        DrillVerdict verdict;
    } given[] = {
        {40, kOpenAK, DrillVerdict::Right},   {29, kOpenAK, DrillVerdict::Wrong},   {29, kOpenAK, DrillVerdict::Right},
        {3, kLimped72, DrillVerdict::Wrong},  {3, kRaisedQQ, DrillVerdict::Unscored}, {0, kLimped72, DrillVerdict::Right},
        {0, kRaisedQQ, DrillVerdict::Right},  {0, kOpenAK, DrillVerdict::Wrong},    {0, kRaisedQQ, DrillVerdict::Unscored},
    };
    store::DrillStore drills(db);
    for (const auto& g : given)
        drills.record(answer(g.card, kNoon - g.daysAgo * kDay, g.verdict));

    std::map<std::string, std::pair<std::uint64_t, std::uint64_t>> byDay;
    std::map<std::pair<int, int>, std::pair<std::uint64_t, std::uint64_t>> bySituation;
    std::uint64_t today = 0;
    for (const auto& g : given) {
        today += g.daysAgo == 0 ? 1 : 0;
        if (g.verdict == DrillVerdict::Unscored)
            continue;
        const int right = g.verdict == DrillVerdict::Right ? 1 : 0;
        if (g.daysAgo <= 29) {
            auto& d = byDay[practice::isoTime(kNoon - g.daysAgo * kDay).substr(0, 10)];
            ++d.first;
            d.second += static_cast<std::uint64_t>(right);
        }
        auto& s = bySituation[{static_cast<int>(g.card.situation.action), static_cast<int>(g.card.situation.position)}];
        ++s.first;
        s.second += static_cast<std::uint64_t>(right);
    }

    const std::string todayText = practice::isoTime(kNoon).substr(0, 10);
    EXPECT_EQ(drills.answeredOn(todayText), today);
    EXPECT_EQ(drills.answeredOn("1999-01-01"), 0u);
    const auto days = drills.dailyShare(practice::isoTime(kNoon - 29 * kDay).substr(0, 10), todayText);
    ASSERT_EQ(days.size(), byDay.size());
    for (const auto& d : days) {
        EXPECT_EQ(d.scored, byDay[d.day].first) << d.day;
        EXPECT_EQ(d.right, byDay[d.day].second) << d.day;
    }
    const auto situations = drills.shareBySituation();
    ASSERT_EQ(situations.size(), bySituation.size());
    for (const auto& s : situations) {
        const auto& expected = bySituation[{static_cast<int>(s.action), static_cast<int>(s.position)}];
        EXPECT_EQ(s.scored, expected.first);
        EXPECT_EQ(s.right, expected.second);
    }
}

TEST_F(DrillStoreTest, TheMistakesAreTheReviewsDifferencesByCard)
{
    writeFile(folder / "h.txt", storetest::roomTextHands(1, 300));
    store::HandStore hands(db);
    hands.importPaths({folder / "h.txt"});
    store::DrillStore drills(db);

    for (const std::optional<std::string>& player : {std::optional<std::string>{}, std::optional<std::string>{"Hero"}}) {
        store::DecisionFilter filter;
        filter.player = player;
        filter.differencesOnly = true;
        std::map<practice::CardKey, std::pair<std::uint64_t, double>> expected;
        for (const auto& row : hands.decisions(filter)) {
            const auto& d = row.decision;
            ASSERT_TRUE(d.position.has_value());
            const int limpers = d.before == engine::PreflopAction::Limped ? d.limpers : 0;
            auto& e = expected[{{d.before, *d.position, limpers}, d.handIndex}];
            ++e.first;
            e.second += d.netBB && *d.netBB < 0 ? -*d.netBB : 0;
        }
        ASSERT_FALSE(expected.empty());
        const auto mistakes = drills.mistakes(player);
        ASSERT_EQ(mistakes.size(), expected.size());
        for (const auto& m : mistakes) {
            EXPECT_EQ(m.times, expected[m.key].first);
            EXPECT_NEAR(m.lostBB, expected[m.key].second, 1e-9);
        }
    }
    EXPECT_TRUE(drills.mistakes(std::string("nobody")).empty());
    EXPECT_EQ(drills.mostSeenPlayer(), hands.players().front().name);
}

// A store of the second version, made before the drills, takes their tables
// and keeps its hands.
TEST_F(DrillStoreTest, AnOlderStoreTakesTheDrillTablesAndKeepsItsHands)
{
    writeFile(folder / "h.txt", storetest::roomTextHands(1, 20));
    std::uint64_t stored = 0;
    {
        store::HandStore hands(db);
        hands.importPaths({folder / "h.txt"});
        stored = hands.handCount();
    }
    {
        store::Database raw(db, store::Database::Access::ReadWrite);
        raw.exec("DROP TABLE drill_cards");
        raw.exec("DROP TABLE drill_answers");
        raw.exec("DROP TABLE ranges");
        raw.exec("PRAGMA user_version = 2");
    }
    {
        store::DrillStore drills(db);
        drills.record(answer(kOpenAK, kNoon, DrillVerdict::Right));
        EXPECT_EQ(drills.answers().size(), 1u);
    }
    store::Database raw(db, store::Database::Access::ReadOnly);
    EXPECT_EQ(raw.queryInteger("PRAGMA user_version"), store::kStoreVersion);
    store::HandStore hands(db, store::HandStore::Mode::ReadOnly);
    EXPECT_EQ(hands.handCount(), stored);
}

TEST_F(DrillStoreTest, AValueItDoesNotKnowIsADamagedStore)
{
    {
        store::DrillStore drills(db);
        drills.record(answer(kOpenAK, kNoon, DrillVerdict::Right));
    }
    const char* damage[] = {"UPDATE drill_answers SET verdict = 3", "UPDATE drill_answers SET hand_index = 169",
                            "UPDATE drill_answers SET answer = -1", "UPDATE drill_answers SET before = 5"};
    for (const char* sql : damage) {
        {
            store::Database raw(db, store::Database::Access::ReadWrite);
            raw.exec("DELETE FROM drill_answers");
            raw.exec("DELETE FROM drill_cards");
        }
        store::DrillStore drills(db);
        drills.record(answer(kOpenAK, kNoon, DrillVerdict::Right));
        store::Database(db, store::Database::Access::ReadWrite).exec(sql);
        EXPECT_THROW(drills.answers(), store::StoreError) << sql;
    }
}

// The review importing while the drill answers: both go on, nothing is lost.
TEST_F(DrillStoreTest, AnImportBesideTheDrillBlocksNeitherAndLosesNothing)
{
    constexpr int kFiles = 12;
    constexpr int kHandsPerFile = 60;
    constexpr int kAnswers = 300;
    for (int f = 0; f < kFiles; ++f)
        writeFile(folder / ("h" + std::to_string(f) + ".txt"),
                  storetest::roomTextHands(static_cast<std::uint64_t>(f * kHandsPerFile + 1), kHandsPerFile));
    store::DrillStore drills(db);
    store::ImportReport report;
    std::thread importer([&] {
        store::HandStore hands(db);
        for (int f = 0; f < kFiles; ++f) {
            const auto r = hands.importPaths({folder / ("h" + std::to_string(f) + ".txt")});
            report.handsNew += r.handsNew;
        }
    });
    for (int i = 0; i < kAnswers; ++i)
        drills.record(answer({{engine::PreflopAction::Opened, engine::Position::Late, 0}, i % engine::kHandCount},
                             kNoon + i, i % 3 == 0 ? DrillVerdict::Wrong : DrillVerdict::Right));
    importer.join();
    EXPECT_EQ(report.handsNew, static_cast<std::uint64_t>(kFiles * kHandsPerFile));
    EXPECT_EQ(drills.answers().size(), static_cast<std::size_t>(kAnswers));
    store::HandStore hands(db, store::HandStore::Mode::ReadOnly);
    EXPECT_EQ(hands.handCount(), static_cast<std::uint64_t>(kFiles * kHandsPerFile));
}

} // namespace
