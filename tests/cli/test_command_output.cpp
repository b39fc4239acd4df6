// What the program writes reaching its reader: a write that fails is a
// failure with a message, for every command; --seed N repeating a Monte
// Carlo run; the script reader's bound on a line.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "ReplayHarness.h"

namespace fs = std::filesystem;

namespace {

using clitest::RunResult;
using clitest::tablewise;

// Runs the program with standard output on a device that takes nothing.
RunResult toFullDevice(const std::string& args, const std::string& stdinText)
{
    const fs::path dir = fs::temp_directory_path() / ("tablewise-full-" + std::to_string(::getpid()));
    testsupport::writeFile(dir / "in", stdinText);
    const std::string cmd = "LC_ALL=C " + std::string(TABLEWISE_EXE) + " " + args + " <" + (dir / "in").string()
        + " >/dev/full 2>" + (dir / "err").string();
    const int raw = std::system(cmd.c_str());
    RunResult r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, "", clitest::readFile(dir / "err")};
    fs::remove_all(dir);
    return r;
}

struct FullOutput {
    const char* args;
    const char* input;
    const char* error;
};

class OutputThatFails : public testing::TestWithParam<FullOutput> {};

TEST_P(OutputThatFails, IsAFailureWithAMessage)
{
    const RunResult r = toFullDevice(GetParam().args, GetParam().input);
    EXPECT_EQ(r.status, 1) << GetParam().args;
    // The last line is ours; a library may have told of the failure before.
    const std::string last = std::string(GetParam().error) + "\n";
    EXPECT_TRUE(r.err.ends_with(last) && (r.err.size() == last.size() || r.err[r.err.size() - last.size() - 1] == '\n'))
        << GetParam().args << ": " << r.err;
}

constexpr const char* kStdout = "tablewise: standard output: No space left on device";
constexpr const char* kFile = "tablewise: /dev/full: No space left on device";

INSTANTIATE_TEST_SUITE_P(
    EveryCommand, OutputThatFails,
    testing::Values(FullOutput{"advise AK -a opened -p early", "", kStdout},
                    FullOutput{"advise AK -a opened -p early -f json", "", kStdout},
                    FullOutput{"postflop 5 --pot raised", "", kStdout},
                    FullOutput{"postflop 5 --pot raised --json", "", kStdout},
                    FullOutput{"chart -a opened -p early", "", kStdout},
                    FullOutput{"chart -a opened -p early -f csv", "", kStdout},
                    FullOutput{"chart -a opened -p early -f json", "", kStdout},
                    FullOutput{"chart -a opened -p early -f html", "", kStdout},
                    FullOutput{"chart -a opened -p early -o /dev/full", "", kFile},
                    FullOutput{"chart -a opened -p early -f png -o /dev/full", "",
                               "tablewise: /dev/full: could not write the picture"},
                    FullOutput{"equity AhKh --board 'Qh Jh 2c'", "", kStdout},
                    FullOutput{"equity AhKh --trials 1000 -f json", "", kStdout},
                    FullOutput{"board AhKh 'Qh Jh 2c'", "", kStdout},
                    FullOutput{"board AhKh 'Qh Jh 2c' -f json", "", kStdout},
                    FullOutput{"range 'QQ+, AKs'", "", kStdout}, FullOutput{"range 15% -f json", "", kStdout},
                    FullOutput{"range AKs:0.5 -f csv", "", kStdout},
                    FullOutput{"content", "", kStdout}, FullOutput{"replay", "dump\n", kStdout},
                    FullOutput{"replay -", "dump\ndump\ndump\n", kStdout},
                    FullOutput{"import --db /nonexistent-dir/hands.sqlite --help", "", kStdout},
                    FullOutput{"--help", "", kStdout}, FullOutput{"--version", "", kStdout},
                    FullOutput{"equity --help", "", kStdout}, FullOutput{"board --version", "", kStdout}));

TEST(OutputThatFails, ImportAndItsReport)
{
    const fs::path dir = fs::temp_directory_path() / ("tablewise-import-" + std::to_string(::getpid()));
    fs::create_directories(dir / "empty");
    const RunResult r = toFullDevice("import --db " + (dir / "hands.sqlite").string() + " " + (dir / "empty").string(), "");
    fs::remove_all(dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, std::string(kStdout) + "\n");
}

// The same seed deals the same cards; without one, each run has its own.
TEST(EquitySeed, RepeatsARunAndIsToldInTheJson)
{
    const std::string args = "equity QsQd -n 3 --trials 30000 -f json";
    const RunResult a = tablewise(args + " --seed 12345");
    const RunResult b = tablewise(args + " --seed 12345");
    const RunResult c = tablewise(args + " --seed 12346");
    ASSERT_EQ(a.status, 0) << a.err;
    const auto without = [](std::string json) { return json.erase(json.find(",\"seconds\":")); };
    EXPECT_NE(a.out.find("\"method\":\"monte-carlo\",\"seed\":12345,\"deals\":30000,"), std::string::npos) << a.out;
    EXPECT_EQ(without(a.out), without(b.out));
    EXPECT_NE(without(a.out).substr(a.out.find("\"win\"")), without(c.out).substr(c.out.find("\"win\"")));

    const auto seedOf = [](const std::string& json) {
        const auto at = json.find("\"seed\":");
        return at == std::string::npos ? std::string() : json.substr(at + 7, json.find(',', at) - at - 7);
    };
    const std::string first = seedOf(tablewise(args).out);
    const std::string second = seedOf(tablewise(args).out);
    EXPECT_FALSE(first.empty());
    EXPECT_NE(first, "null");
    EXPECT_NE(first, second);
    // Every deal counted: no seed to tell.
    EXPECT_NE(tablewise("equity AhKh --board 'Qh Jh 2c' --seed 5 -f json").out.find("\"method\":\"exact\",\"seed\":null,"),
              std::string::npos);
}

TEST(EquityTrials, CountsPastTheLimitAreRefused)
{
    const RunResult r = tablewise("equity AhKh --trials 18446744073709551615");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tablewise: equity: --trials \"18446744073709551615\" is more than 1000000000000 trials\n");
}

// An input of no line ends is refused at the limit, not read whole.
TEST(ReplayLines, ALineOverTheLimitIsRefusedWithItsNumber)
{
    const RunResult zeros = tablewise("replay /dev/zero");
    EXPECT_EQ(zeros.status, 2);
    EXPECT_EQ(zeros.err, "tablewise: line 1: longer than 65536 bytes\n");
    const RunResult third = clitest::replayText("dump\n# note\n" + std::string(70000, 'x') + "\ndump\n");
    EXPECT_EQ(third.status, 2);
    EXPECT_EQ(third.err, "tablewise: line 3: longer than 65536 bytes\n");
    EXPECT_EQ(std::count(third.out.begin(), third.out.end(), '\n'), 34); // the first dump only
    // A comment of the longest length is still a line.
    const RunResult longest = clitest::replayText("#" + std::string(65535, 'x') + "\ndump\n");
    EXPECT_EQ(longest.status, 0) << longest.err;
}

} // namespace
