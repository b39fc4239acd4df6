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
        RangeRun{"range 'QQ+, AKs' -f CSV", "range,combinations,weighted combinations\n\"QQ+, AKs\",22,22\n"}));

TEST(RangeCommand, AChartRangeIsTheChartsHands)
{
    // The README's chart: opened in early position the advisor raises tens
    // and better, AJs and better suited, AQ and better offsuit.
    const RunResult r = tablewise("range 'chart(opened, early):raise' -f json");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "{\"range\":\"TT+, AJs+, AQo+\",\"combinations\":66,\"weightedCombinations\":66}\n");
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
