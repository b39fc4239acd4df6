// `tablewise replay`: whole user sessions with their expected dumps, and the
// script reader's answers to bad lines.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "ReplayHarness.h"

using namespace clitest;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> sessionNames()
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(SESSIONS_DIR))
        if (e.path().extension() == ".session")
            names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class Session : public ::testing::TestWithParam<std::string> {};

// Compares dump by dump, line by line, so a failure names the item.
TEST_P(Session, DumpsAsExpected)
{
    const fs::path dir = SESSIONS_DIR;
    const RunResult r = replayText(readFile(dir / (GetParam() + ".session")));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string expected = expandAdviceKeys(readFile(dir / (GetParam() + ".expected")));
    std::istringstream want(expected), got(r.out);
    std::string w, g;
    int dump = 1, line = 0;
    while (std::getline(want, w)) {
        ++line;
        if (!std::getline(got, g)) {
            ADD_FAILURE() << "output ends before dump " << dump << " line " << line;
            return;
        }
        EXPECT_EQ(g, w) << "dump " << dump;
        if (w.empty()) {
            ++dump;
            line = 0;
        }
    }
    EXPECT_FALSE(std::getline(got, g)) << "more output than expected: " << g;
}

INSTANTIATE_TEST_SUITE_P(Sessions, Session, ::testing::ValuesIn(sessionNames()),
                         [](const ::testing::TestParamInfo<std::string>& i) { return i.param; });

struct BadLine {
    const char* script;
    const char* error; // what standard error says
    int dumps;         // dumps printed before the bad line
};

class ReplayErrors : public ::testing::TestWithParam<BadLine> {};

TEST_P(ReplayErrors, StopWithTheLineNumber)
{
    const BadLine& c = GetParam();
    const RunResult r = replayText(c.script);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, std::string(c.error) + "\n");
    int dumps = 0;
    for (std::size_t p = r.out.find("\n\n"); p != std::string::npos; p = r.out.find("\n\n", p + 2))
        ++dumps;
    EXPECT_EQ(dumps, c.dumps);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReplayErrors,
    ::testing::Values(
        BadLine{"jump txtBB\n", "tablewise: line 1: unknown action \"jump\"", 0},
        BadLine{"# comment\n\ndump\ntype txtNothing 5\n", "tablewise: line 4: unknown control \"txtNothing\"", 1},
        BadLine{"click optLate x\n", "tablewise: line 1: unexpected text after click optLate", 0},
        BadLine{"dump x\n", "tablewise: line 1: unexpected text after dump", 0},
        BadLine{"dump \n", "tablewise: line 1: unexpected text after dump", 0},
        BadLine{"focus txtBB x\n", "tablewise: line 1: unexpected text after focus txtBB", 0},
        BadLine{"type lblGroup 5\n", "tablewise: line 1: cannot type into lblGroup", 0},
        BadLine{"type optLate 5\n", "tablewise: line 1: cannot type into optLate", 0},
        BadLine{"type txtBB\n", "tablewise: line 1: type needs a text", 0},
        BadLine{"type txtBB 1\\t2\n", "tablewise: line 1: control character in the text", 0},
        BadLine{"type txtBB 1\x01\n", "tablewise: line 1: control character in the text", 0},
        BadLine{"type txtBB \xC3\n", "tablewise: line 1: the text is not valid UTF-8", 0},
        BadLine{"click txtBB\n", "tablewise: line 1: cannot click txtBB", 0},
        BadLine{"click cmdHelp\n", "tablewise: line 1: cannot click cmdHelp", 0},
        BadLine{"click lblHyper\n", "tablewise: line 1: cannot click lblHyper", 0},
        BadLine{"select txtBB 1\n", "tablewise: line 1: cannot select in txtBB", 0},
        BadLine{"select cmbPostFlop 14\n", "tablewise: line 1: bad item index \"14\" for cmbPostFlop (0 to 13)", 0},
        BadLine{"select cmbPostFlop -1\n", "tablewise: line 1: bad item index \"-1\" for cmbPostFlop (0 to 13)", 0},
        BadLine{"select cmbPostFlop\n", "tablewise: line 1: select needs an item index", 0},
        BadLine{"select cmbPostFlop 1x\n", "tablewise: line 1: bad item index \"1x\" for cmbPostFlop (0 to 13)", 0},
        BadLine{"backspace txtBB 0\n", "tablewise: line 1: backspace count must be a number from 1 to 9999", 0},
        BadLine{"backspace txtBB 10000\n", "tablewise: line 1: backspace count must be a number from 1 to 9999", 0},
        BadLine{"backspace txtBB \n", "tablewise: line 1: backspace count must be a number from 1 to 9999", 0},
        BadLine{"backspace chkSuited\n", "tablewise: line 1: cannot press backspace in chkSuited", 0},
        BadLine{"focus Label1\n", "tablewise: line 1: Label1 cannot take the focus", 0},
        BadLine{"focus lblCardValue\n", "tablewise: line 1: lblCardValue cannot take the focus", 0},
        BadLine{"click\n", "tablewise: line 1: click needs a control name", 0},
        BadLine{"dump\r\ndump\r\nclick  optLate\r\n", "tablewise: line 3: click needs a control name", 2},
        BadLine{" dump\n", "tablewise: line 1: unknown action \"\"", 0},
        BadLine{"Dump\n", "tablewise: line 1: unknown action \"Dump\"", 0}));

TEST(Replay, EscapesInTextAndTheirDump)
{
    // The multi-line advice boxes take any printable text; backslash escapes
    // of printable characters are kept as written.
    const RunResult r = replayText("type txtFlop a\\\\b\\qc\\\ndump\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("txtFlop\ta\\\\b\\\\qc\\\\\n"), std::string::npos) << r.out;
}

TEST(Replay, LineEndingsCommentsAndBlankLines)
{
    const RunResult r = replayText("# heading\r\n\r\n   \r\ntype txtHoleCard ak\r\n#dump\r\ndump");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("txtHoleCard\tak\n"), std::string::npos);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 34);
}

TEST(Replay, KeysCountCodePointsAgainstTheLimit)
{
    // Non-ASCII keys go through the filters like any other key: refused by
    // the hole-card box, accepted by the edit field of the combo box.
    const RunResult r = replayText("type txtHoleCard \xC3\xA4K\xE2\x82\xAC\ntype cmbPostFlop \xE2\x82\xAC\xE2\x82\xAC\ndump\n");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("txtHoleCard\tK\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("cmbPostFlop\t\xE2\x82\xAC\xE2\x82\xAC\n"), std::string::npos);
    EXPECT_NE(r.out.find("cmbPostFlop.ListIndex\t-1\n"), std::string::npos);
}

TEST(Replay, TheFocusStartsInTheBigBlindAndEveryActionMovesIt)
{
    const RunResult r = replayText("dump\nselect cmbPostFlop 1\ndump\nbackspace txtLimpers 3\ndump\n");
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<std::string> focus;
    std::istringstream s(r.out);
    for (std::string l; std::getline(s, l);)
        if (l.rfind("focus\t", 0) == 0)
            focus.push_back(l.substr(6));
    EXPECT_EQ(focus, (std::vector<std::string>{"txtBB", "cmbPostFlop", "txtLimpers"}));
}

} // namespace
