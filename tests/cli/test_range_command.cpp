// `tablewise range`: the canonical range and its combinations, in each format.

#include <gtest/gtest.h>

#include <string>

#include "ReplayHarness.h"

namespace {

using clitest::RunResult;
using clitest::tablewise;

struct RangeRun {
    const char* args;
    const char* out;
};

class RangeCommand : public testing::TestWithParam<RangeRun> {};

TEST_P(RangeCommand, PrintsTheCanonicalRange)
{
    const RunResult r = tablewise(GetParam().args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RangeCommand,
    testing::Values(
        RangeRun{"range 'AQo+, AKs, QQ+'", "Range:        QQ+, AKs, AQo+\nCombinations: 46\n"},
        RangeRun{"range 'QQ, AKs:0.5'", "Range:        QQ, AKs:0.5\nCombinations: 10 (weighted 8)\n"},
        RangeRun{"range 'random:0.3'", "Range:        random:0.3\nCombinations: 1326 (weighted 397.8)\n"},
        RangeRun{"range '100%'", "Range:        random\nCombinations: 1326\n"},
        // The README's example.
        RangeRun{"range '15%:0.5, QQ+, AKs, AQo+'",
                 "Range:        QQ+, JJ-55:0.5, AKs, AQo+, AQs-A5s:0.5, AJo-A9o:0.5, K9s+:0.5, KJo+:0.5, QJs:0.5\n"
                 "Combinations: 200 (weighted 123)\n"},
        RangeRun{"range 'QQ+ AKs' -f json",
                 "{\"range\":\"QQ+, AKs\",\"combinations\":22,\"weightedCombinations\":22}\n"},
        RangeRun{"range 'KhKs:0.5' --format json",
                 "{\"range\":\"KsKh:0.5\",\"combinations\":1,\"weightedCombinations\":0.5}\n"},
        RangeRun{"range 'QQ+, AKs' -f CSV",
                 "part,name,combinations,weight,share,win,tie,equity,standard error\nrange,\"QQ+, AKs\",22,22,,,,,\n"}));

TEST(RangeCommand, AChartRangeIsTheChartsHands)
{
    // The README's chart: opened in early position the advisor raises tens
    // and better, AJs and better suited, AQ and better offsuit.
    const RunResult r = tablewise("range 'chart(opened, early):raise' -f json");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"range\":\"TT+, AJs+, AQo+\",\"combinations\":66,\"weightedCombinations\":66}\n");
}

// QQ+, AKs on Qh 7s 2d: the queens lose Qh (3 sets left), kings and aces
// are overpairs (12), and the four ace-kings hold ace high. AhKh, AsKs and
// AdKd meet a board card of their suit (backdoor flush draws); every
// ace-king has ace, king, queen for a backdoor straight.
TEST(RangeCommand, SplitsTheRangeOverTheBoard)
{
    const RunResult r = tablewise("range 'QQ+, AKs' --board 'Qh 7s 2d' -f csv");
    ASSERT_EQ(r.status, 0) << r.err;
    const auto has = [&](const std::string& line) {
        EXPECT_NE(r.out.find("\n" + line + "\n"), std::string::npos) << line << " in\n" << r.out;
    };
    has("possible,,19,19,1,,,,");
    has("made,\"three of a kind\",3,3,0.15789473684210525,,,,");
    has("made,\"pair\",12,12,0.631578947368421,,,,");
    has("made,\"high card\",4,4,0.21052631578947367,,,,");
    has("made,\"two pair\",0,0,0,,,,");
    has("draw,\"backdoor flush draw\",3,3,0.15789473684210525,,,,");
    has("draw,\"backdoor straight draw\",4,4,0.21052631578947367,,,,");
    has("draw,\"flush draw\",0,0,0,,,,");
}

// KhKd on a river of Qh 7s 2d 3c 4h against QQ+, AKs: the three queens
// (sets) and six aces beat it, KsKc ties, AsKs and AcKc lose; AhKh and AdKd
// are out. Equity (0 + 0.5 + 2) / 12.
TEST(RangeCommand, ShowsWhichClassesBeatAHand)
{
    const RunResult r = tablewise("range 'QQ+, AKs' --board 'Qh 7s 2d 3c 4h' --vs KhKd");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("KhKd against the range on Qh 7s 2d 3c 4h (every deal counted): equity 20.8%, win 16.7%, "
                         "tie 8.3%\n"
                         "  Class  Combos  Win      Tie      Equity\n"
                         "  AA     6       0.0%     0.0%     0.0%\n"
                         "  AKs    2       100.0%   0.0%     100.0%\n"
                         "  KK     1       0.0%     100.0%   50.0%\n"
                         "  QQ     3       0.0%     0.0%     0.0%\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Draws:\n  none on the river\n"), std::string::npos) << r.out;
}

TEST(RangeCommand, APreflopBreakdownRepeatsWithItsSeed)
{
    const RunResult a = tablewise("range 'QQ+, AKs' --vs AhKd --seed 7 -f json");
    const RunResult b = tablewise("range 'QQ+, AKs' --vs AhKd --seed 7 -f json");
    ASSERT_EQ(a.status, 0) << a.err;
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out.find("\"method\":\"monte carlo\",\"seed\":7"), std::string::npos) << a.out;
}

TEST(RangeCommand, BadCardsAreErrorsNamingThem)
{
    struct Case {
        const char* args;
        const char* err;
    };
    for (const Case& c : {
             Case{"range AA --board 'Qh 7s'", "tablewise: range: --board: a board is three, four or five cards\n"},
             Case{"range AA --board 'Qh 7s Qh'", "tablewise: range: --board: duplicate card \"Qh\"\n"},
             Case{"range AA --board 'Qh 7s 2d' --vs Qh2c",
                  "tablewise: range: --vs: Qh2c shares a card with the board\n"},
             Case{"range AA --board 'Qh 7s 2d' -d 7s", "tablewise: range: --dead: duplicate card \"7s\"\n"},
             Case{"range AhAs --board 'Ah 7s 2d'", "tablewise: range: no hand of the range is possible with these cards\n"},
         }) {
        const RunResult r = tablewise(c.args);
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.out, "") << c.args;
        EXPECT_EQ(r.err, c.err) << c.args;
    }
}

TEST(RangeCommand, BadInputIsAnErrorNamingIt)
{
    const RunResult bad = tablewise("range 'QQ+, AKs:2'");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "tablewise: range: RANGE: \"AKs:2\" is not a hand range: a weight is above 0 and at most 1\n");
    const RunResult none = tablewise("range");
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("RANGE"), std::string::npos) << none.err;
    const RunResult format = tablewise("range AA -f html");
    EXPECT_EQ(format.status, 2);
    EXPECT_EQ(format.err, "tablewise: range: --format \"html\" is not text, json or csv\n");
}

TEST(RangeCommand, HelpAndVersion)
{
    EXPECT_NE(tablewise("range --help").out.find("Usage: tablewise range RANGE"), std::string::npos);
    EXPECT_EQ(tablewise("range --version").out, tablewise("--version").out);
    EXPECT_NE(tablewise("--help").out.find("  range RANGE"), std::string::npos);
}

} // namespace
