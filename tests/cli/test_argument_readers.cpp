// Every command's options read alone, without the work: one spelling of each
// option across the commands, and the limits of the numbers they take.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/ArgumentReaders.h"
#include "cli/Args.h"
#include "cli/CommandLine.h"

namespace {

using Reader = void (*)(int, char**);

struct ReadCase {
    const char* name;
    Reader read;
    std::vector<std::string> args; // after the command's name
    const char* error;             // what the error says, or nullptr when accepted
};

// Reads `args` as `tablewise COMMAND args...`; the error's message, or "" when
// they were accepted.
std::string errorOf(Reader read, std::vector<std::string> args)
{
    std::string program = "tablewise", command = "command";
    std::vector<char*> argv{program.data(), command.data()};
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    try {
        read(static_cast<int>(argv.size() - 1), argv.data());
    } catch (const cli::UsageError& e) {
        return e.message.empty() ? "(an error without a message)" : e.message;
    }
    return "";
}

class ArgumentReading : public testing::TestWithParam<ReadCase> {};

TEST_P(ArgumentReading, AcceptsOrNamesTheFault)
{
    const ReadCase& c = GetParam();
    const std::string error = errorOf(c.read, c.args);
    if (!c.error)
        EXPECT_EQ(error, "");
    else
        EXPECT_NE(error.find(c.error), std::string::npos) << "got \"" << error << "\"";
}

using namespace cli;

INSTANTIATE_TEST_SUITE_P(
    Vocabulary, ArgumentReading,
    testing::Values(
        ReadCase{"AdviseFormatJson", readAdviseArguments, {"AA", "-a", "raised", "--format", "json"}, nullptr},
        ReadCase{"AdviseShortFormat", readAdviseArguments, {"AA", "-a", "raised", "-f", "TEXT"}, nullptr},
        ReadCase{"AdviseJsonStays", readAdviseArguments, {"AA", "-a", "raised", "-j"}, nullptr},
        ReadCase{"AdviseJsonBesideFormatJson", readAdviseArguments, {"AA", "-a", "raised", "-j", "-f", "json"}, nullptr},
        ReadCase{"AdviseJsonAgainstText", readAdviseArguments, {"AA", "-a", "raised", "--json", "-f", "text"},
                 "--json and --format text go apart"},
        ReadCase{"AdviseNoCsv", readAdviseArguments, {"AA", "-a", "raised", "-f", "csv"}, "\"csv\" is not text or json"},
        ReadCase{"PostflopFormatJson", readPostflopArguments, {"5", "--format=json"}, nullptr},
        ReadCase{"PostflopJsonStays", readPostflopArguments, {"5", "--json"}, nullptr},
        ReadCase{"BoardShortFormat", readBoardArguments, {"AhKh", "Qh Jh 2c", "-f", "json"}, nullptr},
        ReadCase{"BoardTakesNoJsonFlag", readBoardArguments, {"AhKh", "Qh Jh 2c", "--json"}, "unknown option --json"},
        ReadCase{"RangeFormatCsv", readRangeArguments, {"QQ+, AKs", "-f", "csv"}, nullptr},
        ReadCase{"RangeNoHtml", readRangeArguments, {"QQ+", "--format", "html"}, "\"html\" is not text, json or csv"},
        ReadCase{"RangeNeedsARange", readRangeArguments, {}, "RANGE"},
        ReadCase{"RangeOneOnly", readRangeArguments, {"QQ+", "AKs"}, "AKs"},
        ReadCase{"RangeUnreadable", readRangeArguments, {"QQ+, AKx"}, "RANGE: \"AKx\" is not a hand range"},
        ReadCase{"ChartBigBlindShort", readChartArguments, {"-a", "opened", "-p", "late", "-b", "2"}, nullptr},
        ReadCase{"ChartEmptyOutput", readChartArguments, {"-a", "opened", "-p", "late", "-o", ""},
                 "--output needs a file name"},
        ReadCase{"EquityBoardLong", readEquityArguments, {"AhKh", "--board", "Qh Jh 2c", "-f", "json"}, nullptr},
        ReadCase{"EquityOldBoardShort", readEquityArguments, {"AhKh", "-b", "Qh Jh 2c"}, "--board CARDS"},
        ReadCase{"ReviewShortFormat", readReviewArguments, {"-f", "csv", "--db", "x.sqlite"}, nullptr},
        ReadCase{"HelpAnywhere", readEquityArguments, {"--help"}, nullptr},
        ReadCase{"VersionAnywhere", readBoardArguments, {"--version"}, nullptr},
        ReadCase{"ShortVersion", readContentArguments, {"-V"}, nullptr},
        ReadCase{"VersionTakesNoValue", readReplayArguments, {"--version=2"}, "--version takes no value"},
        ReadCase{"ImportVersion", readImportArguments, {"-V"}, nullptr}),
    [](const testing::TestParamInfo<ReadCase>& i) { return std::string(i.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Numbers, ArgumentReading,
    testing::Values(
        ReadCase{"MostTrials", readEquityArguments, {"AhKh", "--trials", "1000000000000"}, nullptr},
        ReadCase{"OneTrialMore", readEquityArguments, {"AhKh", "--trials", "1000000000001"},
                 "--trials \"1000000000001\" is more than 1000000000000 trials"},
        ReadCase{"TrialsThatWouldOverflow", readEquityArguments, {"AhKh", "--trials", "18446744073709551615"},
                 "is more than 1000000000000 trials"},
        ReadCase{"TrialsPastSixtyFourBits", readEquityArguments, {"AhKh", "--trials", "99999999999999999999999"},
                 "is more than 1000000000000 trials"},
        ReadCase{"NoTrials", readEquityArguments, {"AhKh", "--trials", "000"}, "is not a whole number of trials"},
        ReadCase{"NegativeTrials", readEquityArguments, {"AhKh", "--trials=-5"}, "is not a whole number of trials"},
        ReadCase{"SeedZero", readEquityArguments, {"AhKh", "--seed", "0"}, nullptr},
        ReadCase{"LargestSeed", readEquityArguments, {"AhKh", "--seed", "9007199254740991"}, nullptr},
        ReadCase{"SeedTooLarge", readEquityArguments, {"AhKh", "--seed", "9007199254740992"},
                 "--seed \"9007199254740992\" is not a whole number from 0 to 9007199254740991"},
        ReadCase{"SeedNotANumber", readEquityArguments, {"AhKh", "--seed", "0x10"}, "--seed \"0x10\""},
        ReadCase{"DrillLargestSeed", readDrillArguments, {"--seed", "9007199254740991"}, nullptr},
        ReadCase{"DrillSeedTooLarge", readDrillArguments, {"--seed", "9007199254740992"},
                 "--seed \"9007199254740992\" is not a whole number from 0 to 9007199254740991"},
        ReadCase{"RangeSeedTooLarge", readRangeArguments, {"QQ+", "--vs", "AhKd", "--seed", "18446744073709551616"},
                 "--seed \"18446744073709551616\" is not a whole number from 0 to 9007199254740991"},
        ReadCase{"DrillCountPastInt", readDrillArguments, {"--count", "2147483648"}, "is not a whole number above 0"},
        ReadCase{"DrillMostCount", readDrillArguments, {"--count", "2147483647"}, nullptr}),
    [](const testing::TestParamInfo<ReadCase>& i) { return std::string(i.param.name); });

} // namespace
