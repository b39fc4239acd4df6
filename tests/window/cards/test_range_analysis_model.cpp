// The range analysis without widgets: which counts an input allows, the
// breakdown's sorting, the shown rows against the engine's own results, the
// runs that a newer input abandons, and the worker that runs them.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "engine/Hand.h"
#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "window/cards/LatestJobRunner.h"
#include "window/cards/RangeAnalysisModel.h"

namespace {

using namespace std::chrono_literals;
using engine::board::ClassEquity;
using window::cards::AnalysisPart;
using window::cards::BreakdownColumn;
using window::cards::PartState;
using window::cards::RangeAnalysisInput;
using window::cards::RangeAnalysisModel;
using window::cards::RangeAnalysisUpdate;
using window::cards::SortOrder;

RangeAnalysisInput input(std::string_view hand, std::string_view board, std::string_view range,
                         std::string_view dead = "")
{
    RangeAnalysisInput in;
    if (!hand.empty())
        in.hand = engine::cards::parseHoleCards(hand).value;
    in.board = engine::cards::parseCards(board).value;
    for (const engine::cards::Card c : engine::cards::parseCards(dead).value)
        in.dead.insert(c);
    if (!range.empty()) {
        const auto parsed = engine::cards::parseRange(range);
        EXPECT_TRUE(parsed.ok()) << range;
        in.range = parsed.value;
    }
    in.rangeText = std::string(range);
    return in;
}

// Runs every count of an input on this thread and hands the results to a
// model, as the panel does from its worker.
std::vector<RangeAnalysisUpdate> runAll(RangeAnalysisModel& model, const RangeAnalysisInput& in)
{
    model.setInput(in);
    model.setRun(7);
    std::vector<RangeAnalysisUpdate> updates;
    window::cards::runRangeAnalysis(in, 7, {}, [&](RangeAnalysisUpdate u) { updates.push_back(u); });
    for (const RangeAnalysisUpdate& u : updates)
        EXPECT_TRUE(model.receive(u));
    return updates;
}

struct AvailabilityCase {
    const char* hand;
    const char* board;
    const char* range;
    bool breakdown;
    bool split;
    bool nextCard;
};

class Availability : public ::testing::TestWithParam<AvailabilityCase> {};

TEST_P(Availability, FollowsWhatTheInputHolds)
{
    const AvailabilityCase& c = GetParam();
    const RangeAnalysisInput in = input(c.hand, c.board, c.range);
    RangeAnalysisModel model;
    model.setInput(in);
    const auto check = [&](AnalysisPart part, bool expected) {
        EXPECT_EQ(window::cards::availableFor(part, in), expected);
        EXPECT_EQ(model.state(part), expected ? PartState::Counting : PartState::Unavailable);
        // An unavailable part says what is missing; a counting one its progress.
        EXPECT_FALSE(model.message(part).empty());
    };
    check(AnalysisPart::Breakdown, c.breakdown);
    check(AnalysisPart::Split, c.split);
    check(AnalysisPart::NextCard, c.nextCard);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, Availability,
    ::testing::Values(
        AvailabilityCase{"", "", "", false, false, false},
        AvailabilityCase{"AhKh", "", "", false, false, false},
        AvailabilityCase{"AhKh", "", "QQ+", true, false, false},
        AvailabilityCase{"", "Qh7s2d", "QQ+", false, true, false},
        AvailabilityCase{"AhKh", "Qh7s2d", "QQ+", true, true, true},
        AvailabilityCase{"AhKh", "Qh7s2d5c", "QQ+", true, true, true},
        AvailabilityCase{"AhKh", "Qh7s2d5c9h", "QQ+", true, true, false},
        // Against no range the next card is counted against a random hand.
        AvailabilityCase{"AhKh", "Qh7s2d", "", false, false, true},
        AvailabilityCase{"", "Qh7s2d5c9h", "22+", false, true, false}));

ClassEquity row(std::string_view hand, int combos, double weight, double win, double tie)
{
    ClassEquity r;
    r.handClass = engine::handIndex(hand);
    r.hand = std::string(hand);
    r.combos = combos;
    r.weight = weight;
    r.win = win;
    r.tie = tie;
    r.equity = win + tie / 2;
    return r;
}

struct SortCase {
    BreakdownColumn column;
    SortOrder order;
    std::vector<std::string> expected;
};

class Sorting : public ::testing::TestWithParam<SortCase> {};

TEST_P(Sorting, OrdersByTheColumnAndKeepsTheStrongestFirstAmongEquals)
{
    // By strength: AA, QQ, AKs, AK, 72. AA and QQ tie on combos, QQ and AK
    // on weight, AKs and AK on win, AA and 72 on tie.
    std::vector<ClassEquity> rows = {row("AK", 12, 6, 0.30, 0.20), row("QQ", 6, 6, 0.80, 0.05),
                                     row("72", 12, 12, 0.10, 0.00), row("AA", 6, 3, 0.90, 0.00),
                                     row("AKs", 4, 4, 0.30, 0.40)};
    window::cards::sortClasses(rows, GetParam().column, GetParam().order);
    std::vector<std::string> got;
    for (const ClassEquity& r : rows)
        got.push_back(r.hand);
    EXPECT_EQ(got, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, Sorting,
    ::testing::Values(
        SortCase{BreakdownColumn::Class, SortOrder::Ascending, {"AA", "QQ", "AKs", "AK", "72"}},
        SortCase{BreakdownColumn::Class, SortOrder::Descending, {"72", "AK", "AKs", "QQ", "AA"}},
        SortCase{BreakdownColumn::Combos, SortOrder::Ascending, {"AKs", "AA", "QQ", "AK", "72"}},
        SortCase{BreakdownColumn::Combos, SortOrder::Descending, {"AK", "72", "AA", "QQ", "AKs"}},
        SortCase{BreakdownColumn::Weight, SortOrder::Ascending, {"AA", "AKs", "QQ", "AK", "72"}},
        SortCase{BreakdownColumn::Weight, SortOrder::Descending, {"72", "QQ", "AK", "AKs", "AA"}},
        SortCase{BreakdownColumn::Win, SortOrder::Ascending, {"72", "AKs", "AK", "QQ", "AA"}},
        SortCase{BreakdownColumn::Win, SortOrder::Descending, {"AA", "QQ", "AKs", "AK", "72"}},
        SortCase{BreakdownColumn::Tie, SortOrder::Ascending, {"AA", "72", "QQ", "AK", "AKs"}},
        SortCase{BreakdownColumn::Tie, SortOrder::Descending, {"AKs", "AK", "QQ", "AA", "72"}},
        SortCase{BreakdownColumn::Equity, SortOrder::Ascending, {"72", "AK", "AKs", "QQ", "AA"}},
        SortCase{BreakdownColumn::Equity, SortOrder::Descending, {"AA", "QQ", "AKs", "AK", "72"}}));

TEST(RangeAnalysisModel, AHeaderClickTurnsItsColumnAndStartsANewOneBestFirst)
{
    RangeAnalysisModel model;
    struct Click {
        BreakdownColumn column;
        SortOrder order;
    };
    const std::vector<Click> clicks = {{BreakdownColumn::Equity, SortOrder::Descending},
                                       {BreakdownColumn::Equity, SortOrder::Ascending},
                                       {BreakdownColumn::Equity, SortOrder::Descending},
                                       {BreakdownColumn::Class, SortOrder::Ascending},
                                       {BreakdownColumn::Class, SortOrder::Descending},
                                       {BreakdownColumn::Combos, SortOrder::Descending}};
    EXPECT_EQ(model.sortColumn(), BreakdownColumn::Class);
    EXPECT_EQ(model.sortOrder(), SortOrder::Ascending);
    for (const Click& c : clicks) {
        model.clickBreakdownHeader(c.column);
        EXPECT_EQ(model.sortColumn(), c.column);
        EXPECT_EQ(model.sortOrder(), c.order);
    }
}

TEST(RangeAnalysisModel, CellsAreWrittenAsTheWindowWritesNumbers)
{
    const ClassEquity r = row("AKs", 3, 1.5, 0.4567, 0.02);
    const std::vector<std::pair<BreakdownColumn, std::string>> cells = {
        {BreakdownColumn::Class, "AKs"}, {BreakdownColumn::Combos, "3"},   {BreakdownColumn::Weight, "1.5"},
        {BreakdownColumn::Win, "45.7%"}, {BreakdownColumn::Tie, "2.0%"},   {BreakdownColumn::Equity, "46.7%"}};
    for (const auto& [column, text] : cells)
        EXPECT_EQ(window::cards::cellText(r, column), text) << window::cards::columnTitle(column);
    for (const auto& [count, text] : std::vector<std::pair<double, std::string>>{
             {6.0, "6"}, {4.5, "4.5"}, {0.25, "0.25"}, {0.0, "0"}, {10.0, "10"}, {2.999, "3"}})
        EXPECT_EQ(window::cards::countText(count), text) << count;
}

TEST(RangeAnalysisModel, ShowsTheEnginesResultsInItsOwnRowsAndOrder)
{
    const RangeAnalysisInput in = input("AhKh", "Qh7s2d", "QQ+, AK", "3c");
    RangeAnalysisModel model;
    runAll(model, in);
    for (AnalysisPart part : {AnalysisPart::Breakdown, AnalysisPart::Split, AnalysisPart::NextCard})
        ASSERT_EQ(model.state(part), PartState::Done) << model.message(part);

    // The breakdown: the engine's classes, the strongest first, then by equity.
    engine::board::ClassBreakdownRequest request;
    request.hand = *in.hand;
    request.board = in.board;
    request.dead = in.dead;
    request.range = in.range;
    const engine::board::ClassBreakdown engine = engine::board::breakdownByClass(request);
    ASSERT_EQ(model.breakdownRows().size(), engine.classes.size());
    std::vector<std::string> hands;
    for (const ClassEquity& r : model.breakdownRows())
        hands.push_back(r.hand);
    EXPECT_EQ(hands, (std::vector<std::string>{"AA", "KK", "QQ", "AKs", "AK"}));
    model.clickBreakdownHeader(BreakdownColumn::Equity);
    const auto& rows = model.breakdownRows();
    // Ace-king mostly splits the pot; the overpairs beat it, the set most.
    EXPECT_EQ(rows[0].hand.substr(0, 2), "AK");
    EXPECT_EQ(rows[1].hand.substr(0, 2), "AK");
    EXPECT_EQ(rows.back().hand, "QQ");
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_GE(rows[i - 1].equity, rows[i].equity);
    for (const ClassEquity& r : rows) {
        const auto same = std::find_if(engine.classes.begin(), engine.classes.end(),
                                       [&](const ClassEquity& e) { return e.hand == r.hand; });
        ASSERT_NE(same, engine.classes.end());
        EXPECT_EQ(r.combos, same->combos) << r.hand;
        EXPECT_DOUBLE_EQ(r.equity, same->equity) << r.hand;
    }
    // Ace-king less the combinations with the hand's ace or king: 3 suited
    // and 6 offsuit.
    for (const ClassEquity& r : rows) {
        if (r.hand.starts_with("AK")) {
            EXPECT_EQ(r.combos, r.hand == "AKs" ? 3 : 6);
        }
    }
    EXPECT_EQ(model.breakdownSummary().rfind("AhKh against QQ+, AK on Qh 7s 2d (every deal counted): equity ", 0),
              0u)
        << model.breakdownSummary();

    // The split: counted without the hand's cards, in the command's lines.
    const auto split = engine::board::splitRange(in.range, in.board, in.dead | in.hand->set());
    ASSERT_TRUE(split.ok());
    const auto lines = model.splitLines();
    const auto expected = engine::board::splitLines(split.value);
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].name, expected[i].name);
        EXPECT_EQ(lines[i].count, expected[i].count) << lines[i].name;
    }
    EXPECT_EQ(lines.front().name, engine::odds::categoryName(engine::odds::HandCategory::StraightFlush));
    // AA and KK less the hand's ace and king, QQ less the queen on the
    // board, ace-king less the hand's ace and king: 3 + 3 + 3 + 3 + 6.
    EXPECT_EQ(model.split()->total.combos, 18);
    EXPECT_EQ(model.splitLines(engine::board::SplitPart::Made).size(),
              static_cast<std::size_t>(engine::odds::kCategoryCount));
    EXPECT_EQ(model.splitSummary(), "On Qh 7s 2d: 18 combinations of QQ+, AK possible");

    // The next card: a point per card that can come, placed in deck order.
    const auto points = model.nextCardPoints();
    EXPECT_EQ(points.size(), 52u - 2 - 3 - 1);
    for (std::size_t i = 1; i < points.size(); ++i)
        EXPECT_LT(points[i - 1].x, points[i].x);
    const engine::cards::Card kd = engine::cards::parseCards("Kd").value.front();
    const auto near = model.nextCardNear(window::cards::cardPlace(kd) + 0.3);
    ASSERT_TRUE(near.has_value());
    EXPECT_EQ(near->card, kd);
    EXPECT_EQ(RangeAnalysisModel::nextCardText(*near).rfind("Kd: equity ", 0), 0u);
    // The dead card and the board's cards have no point.
    for (std::string_view gone : {"3c", "Qh", "Ah"})
        EXPECT_FALSE(model.nextCardNear(window::cards::cardPlace(engine::cards::parseCards(gone).value.front())))
            << gone;
}

TEST(RangeAnalysisModel, BeforeTheFlopDealsAtRandomAndSaysSo)
{
    RangeAnalysisModel model;
    runAll(model, input("AhKh", "", "QQ+"));
    ASSERT_EQ(model.state(AnalysisPart::Breakdown), PartState::Done) << model.message(AnalysisPart::Breakdown);
    EXPECT_EQ(model.state(AnalysisPart::Split), PartState::Unavailable);
    EXPECT_EQ(model.state(AnalysisPart::NextCard), PartState::Unavailable);
    const std::string summary = model.breakdownSummary();
    EXPECT_EQ(summary.rfind("AhKh against QQ+ (random deals): equity ", 0), 0u) << summary;
    EXPECT_NE(summary.find("\u00b1"), std::string::npos) << summary;
    ASSERT_EQ(model.breakdownRows().size(), 3u);
    for (const ClassEquity& r : model.breakdownRows())
        EXPECT_GT(r.standardError, 0.0) << r.hand;
}

TEST(RangeAnalysisModel, KeepsOnlyTheCurrentRunsResults)
{
    RangeAnalysisModel model;
    const RangeAnalysisInput first = input("AhKh", "Qh7s2d", "QQ+");
    EXPECT_TRUE(model.setInput(first));
    model.setRun(3);
    // The same counts asked again leave the run be, whatever the range is called.
    RangeAnalysisInput renamed = first;
    renamed.rangeText = "AA, KK, QQ";
    EXPECT_FALSE(model.setInput(renamed));
    EXPECT_EQ(model.run(), 3u);
    EXPECT_EQ(model.input().rangeText, "AA, KK, QQ");

    std::vector<RangeAnalysisUpdate> updates;
    window::cards::runRangeAnalysis(first, 3, {}, [&](RangeAnalysisUpdate u) { updates.push_back(u); });
    ASSERT_FALSE(updates.empty());
    RangeAnalysisUpdate stale = updates.front();
    stale.run = 2;
    EXPECT_FALSE(model.receive(stale));
    EXPECT_EQ(model.state(stale.part), PartState::Counting);

    // A new input drops the old results.
    for (const RangeAnalysisUpdate& u : updates)
        model.receive(u);
    EXPECT_TRUE(model.breakdown().has_value());
    EXPECT_TRUE(model.setInput(input("AhKh", "Qh7s2d5c", "QQ+")));
    EXPECT_FALSE(model.breakdown().has_value());
    EXPECT_TRUE(model.breakdownRows().empty());
    EXPECT_FALSE(model.split().has_value());
    EXPECT_FALSE(model.nextCard().has_value());
    EXPECT_EQ(model.state(AnalysisPart::Split), PartState::Counting);
    for (const RangeAnalysisUpdate& u : updates)
        EXPECT_FALSE(model.receive(u));
}

TEST(RangeAnalysisModel, SaysWhyTheEngineRefusedAnInput)
{
    // Every queen of the range is on the board or in the hand.
    RangeAnalysisModel model;
    runAll(model, input("QcQd", "QhQs2d", "QQ"));
    for (AnalysisPart part : {AnalysisPart::Breakdown, AnalysisPart::Split, AnalysisPart::NextCard}) {
        EXPECT_EQ(model.state(part), PartState::Failed);
        EXPECT_EQ(model.message(part).rfind("These cards cannot be counted: ", 0), 0u) << model.message(part);
    }
    EXPECT_TRUE(model.breakdownRows().empty());
    EXPECT_TRUE(model.nextCardPoints().empty());
}

TEST(RangeAnalysisRun, AStopEndsItWithoutSendingWhatWasStopped)
{
    std::stop_source stop;
    std::vector<RangeAnalysisUpdate> updates;
    // Stopped once the board's split is sent: the breakdown is not.
    window::cards::runRangeAnalysis(input("AhKh", "Qh7s2d", "22+, A2+, K2+"), 1, stop.get_token(),
                                    [&](RangeAnalysisUpdate u) {
                                        updates.push_back(u);
                                        stop.request_stop();
                                    });
    ASSERT_EQ(updates.size(), 1u);
    EXPECT_EQ(updates.front().part, AnalysisPart::Split);
    EXPECT_TRUE(updates.front().finished);
}

TEST(LatestJobRunner, ANewJobStopsTheOneUnderWayAndRunsInItsPlace)
{
    window::cards::LatestJobRunner runner;
    std::promise<void> firstStarted;
    std::promise<bool> firstStopped;
    std::promise<std::uint64_t> secondRan;
    const std::uint64_t first = runner.start([&](std::uint64_t, std::stop_token stop) {
        firstStarted.set_value();
        const auto until = std::chrono::steady_clock::now() + 60s;
        while (!stop.stop_requested() && std::chrono::steady_clock::now() < until)
            std::this_thread::sleep_for(1ms);
        firstStopped.set_value(stop.stop_requested());
    });
    firstStarted.get_future().wait();
    const std::uint64_t second = runner.start([&](std::uint64_t run, std::stop_token) { secondRan.set_value(run); });
    EXPECT_EQ(first, 1u);
    EXPECT_EQ(second, 2u);
    EXPECT_TRUE(firstStopped.get_future().get());
    auto ran = secondRan.get_future();
    ASSERT_EQ(ran.wait_for(60s), std::future_status::ready);
    EXPECT_EQ(ran.get(), second);
}

// Were the stop not passed on, the runner's end would wait for ever and the
// test fail by its time limit.
TEST(LatestJobRunner, EndsWithAJobUnderWayByStoppingIt)
{
    std::atomic<bool> started = false;
    std::atomic<bool> stopped = false;
    {
        window::cards::LatestJobRunner runner;
        runner.start([&](std::uint64_t, std::stop_token stop) {
            started = true;
            while (!stop.stop_requested())
                std::this_thread::sleep_for(1ms);
            stopped = true;
        });
        while (!started)
            std::this_thread::sleep_for(1ms);
    }
    EXPECT_TRUE(stopped);
}

} // namespace
