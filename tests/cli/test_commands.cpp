// The tablewise program itself: its commands, their errors and exit status.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "ReplayHarness.h"

namespace fs = std::filesystem;

namespace {

using clitest::readFile;
using clitest::RunResult;
using clitest::tablewise;

// What a command that must succeed printed.
std::string printed(const std::string& args)
{
    const RunResult r = tablewise(args);
    EXPECT_EQ(r.status, 0) << args << ": " << r.err;
    return r.out;
}

TEST(Advise, ShowsGroupBetAndAdvice)
{
    const std::string out = printed("advise ka --action opened --position early --bb 2");
    EXPECT_EQ(out, "Hand:   AK\nGroup:  2\nBet:    $8.00 to $12.00\nAdvice:\n"
                   "Raise from any position to 4-6xBB. If you are re-raised call a normal raise.\n");
}

TEST(Advise, JsonCarriesTheSameAsTheWindow)
{
    const std::string out = printed("advise AKs --action limped --position blinds --bb 2.5 --limpers 2 --json");
    // 5 x 2.5 + 2 x 2.5 = 17.50 to 6 x 2.5 + 5 = 20.00
    EXPECT_NE(out.find("\"hand\":\"AKs\",\"group\":\"1\",\"bet\":\"$17.50 to $20.00\",\"advice\":\""), std::string::npos)
        << out;
}

// What the advice reads must be given: the window's prompts are no answer.
TEST(Advise, APositionOrLimperCountTheAdviceNeedsIsAnError)
{
    const RunResult limpers = tablewise("advise AK --action limped --position late --bb 2");
    EXPECT_EQ(limpers.status, 2);
    EXPECT_EQ(limpers.out, "");
    EXPECT_EQ(limpers.err, "tablewise: advise: --limpers is needed for AK in a limped pot (the number of limpers)\n");
    const RunResult position = tablewise("advise AK --action opened --bb 2");
    EXPECT_EQ(position.status, 2);
    EXPECT_EQ(position.err, "tablewise: advise: --position is needed for AK when the pot is Opened (early, middle, "
                            "late or blinds)\n");
    // Advice the same from every seat, or without a count, needs neither.
    EXPECT_EQ(tablewise("advise AA --action raised").status, 0);
    EXPECT_EQ(tablewise("advise AT --action limped --position early").out,
              "Hand:   AT\nGroup:  6\nBet:    Fold\nAdvice:\nFold\n");
    EXPECT_EQ(tablewise("advise 72 --action limped").status, 0);
}

TEST(Advise, WithoutABigBlindAmountsAreInBigBlinds)
{
    EXPECT_EQ(tablewise("advise AK --action opened --position early").out,
              "Hand:   AK\nGroup:  2\nBet:    4 BB to 6 BB\nAdvice:\n"
              "Raise from any position to 4-6xBB. If you are re-raised call a normal raise.\n");
    EXPECT_NE(tablewise("advise AA --action opened --position blinds").out.find("Bet:    3.5 BB to 4 BB\n"),
              std::string::npos);
    EXPECT_NE(tablewise("advise AQ --action limped --position early --limpers 3").out.find("Bet:    7 BB\n"),
              std::string::npos);
}

TEST(Advise, ChoicesInAnyCaseAndShortOptions)
{
    const std::string longForm = tablewise("advise AKs --action limped --position blinds --bb 2.5 --limpers 2").out;
    EXPECT_EQ(tablewise("advise AKs -a Limped -p BLINDS -b 2.5 -l 2").out, longForm);
    EXPECT_EQ(tablewise("advise aks --action=LIMPED --position=Blinds -b2.5 -l 2").status, 2); // -b2.5 is no option
    EXPECT_NE(tablewise("advise AKs -a limped -p blinds -b 2.5 -l 2 -j").out.find("\"bet\":\"$17.50 to $20.00\""),
              std::string::npos);
}

TEST(Equity, ExactOnAFlopAgainstOneRandomHand)
{
    const std::string out = printed("equity AhKh --board 'Qh Jh 2c'");
    // 1,081 hands for the opponent and 990 turns and rivers for each.
    EXPECT_EQ(out, "Hand:     AhKh\nBoard:    Qh Jh 2c\nAgainst:  1 random hand\nWin:      75.87%\nTie:      0.93%\n"
                   "Equity:   76.33%\nCounted:  1070190 deals, every one\n");
}

TEST(Equity, JsonAgainstARangeWithDeadCards)
{
    const std::string out = printed("equity 'A♠ A♥' --vs KK -d Kc -f JSON");
    // Three combinations of kings are left, each with C(47,5) boards.
    EXPECT_EQ(out.rfind("{\"hand\":\"AsAh\",\"board\":\"\",\"dead\":\"Kc\",\"opponents\":1,\"range\":\"KK\","
                        "\"method\":\"exact\",\"seed\":null,\"deals\":4601817,\"win\":",
                        0),
              0u)
        << out;
    EXPECT_NE(out.find(",\"standardError\":0,\"seconds\":"), std::string::npos);
}

TEST(Equity, MonteCarloTellsItsStandardError)
{
    const std::string out = printed("equity QsQd -n 4 --trials 200000");
    EXPECT_NE(out.find("Against:  4 random hands\n"), std::string::npos);
    EXPECT_NE(out.find("(standard error 0."), std::string::npos) << out;
    EXPECT_NE(out.find("Counted:  200000 random deals\n"), std::string::npos) << out;
}

TEST(Equity, SeveralPlayersALinePerPlayer)
{
    const std::string out = printed("equity AhAs KdKc --board 'Qh 7s 2d'");
    EXPECT_EQ(out, "Board:    Qh 7s 2d\n"
                   "Player 1:  AhAs  win 91.62%  tie 0.00%  equity 91.62%\n"
                   "Player 2:  KdKc  win 8.38%  tie 0.00%  equity 8.38%\n"
                   "Counted:  990 deals, every one\n");
    // Two players, a hand against a hand, count what the one-hand form counts.
    EXPECT_NE(printed("equity AhAs --vs KdKc --board 'Qh 7s 2d'").find("Equity:   91.62%\n"), std::string::npos);

    const std::string sampled = printed("equity AhKh 'QQ+, AKs' random --board Qh7s2d --dead 3c --trials 20000 --seed 3");
    EXPECT_EQ(sampled.rfind("Board:    Qh 7s 2d\nDead:     3c\nPlayer 1:  AhKh      win ", 0), 0u) << sampled;
    EXPECT_NE(sampled.find("\nPlayer 2:  QQ+, AKs  win "), std::string::npos) << sampled;
    EXPECT_NE(sampled.find("\nPlayer 3:  random    win "), std::string::npos) << sampled;
    EXPECT_NE(sampled.find("(standard error 0."), std::string::npos) << sampled;
    EXPECT_NE(sampled.find("Counted:  20000 random deals\n"), std::string::npos) << sampled;
    // The same seed deals the same cards.
    EXPECT_EQ(printed("equity AhKh 'QQ+, AKs' random --board Qh7s2d --dead 3c --trials 20000 --seed 3"), sampled);
}

TEST(Equity, SeveralPlayersInJson)
{
    const std::string out = printed("equity AhKh 'QQ+, AK' '22+, A2s+, KTs+' --board Qh7s2d -f json");
    EXPECT_EQ(out.rfind("{\"board\":\"Qh7s2d\",\"dead\":\"\",\"players\":[{\"holds\":\"AhKh\",\"win\":", 0), 0u) << out;
    EXPECT_NE(out.find("{\"holds\":\"QQ+, AK\",\"win\":"), std::string::npos) << out;
    EXPECT_NE(out.find("{\"holds\":\"22+, A2s+, KTs+\",\"win\":"), std::string::npos) << out;
    EXPECT_NE(out.find("],\"method\":\"exact\",\"seed\":null,\"deals\":"), std::string::npos) << out;
    EXPECT_EQ(out.find("\"standardError\":0."), std::string::npos) << out; // exact
    const std::string sampled = printed("equity random random random --trials 5000 --seed 11 -f json");
    EXPECT_NE(sampled.find("\"method\":\"monte-carlo\",\"seed\":11,\"deals\":5000,"), std::string::npos) << sampled;
}

TEST(Board, MadeHandDrawsOutsAndCategory)
{
    const std::string text = printed("board AhKh 'Qh Jh 2c'");
    EXPECT_EQ(text, "Made hand: high card, ace\nHolding:   nothing\n"
                    "Draw:      nut flush draw, 9 outs (Th 9h 8h 7h 6h 5h 4h 3h 2h)\n"
                    "Draw:      gutshot, 4 outs (Ts Th Td Tc)\n"
                    "Outs:      12\nCategory:  Nut Flush Draw\n");
    const std::string json = printed("board 7s7d 'Ac 7h 2d 9s' -f json");
    EXPECT_NE(json.find("\"category\":\"Trips\""), std::string::npos) << json;
    // Each draw lists its outs; the reading counts them.
    EXPECT_NE(printed("board AhKh 'Qh Jh 2c' --format json")
                  .find("{\"name\":\"gutshot\",\"outs\":[\"Ts\",\"Th\",\"Td\",\"Tc\"]}],\"outs\":12,"),
              std::string::npos);
}

TEST(Program, TellsItsVersion)
{
    for (const char* option : {"--version", "-V", "advise --version", "chart -V", "equity AhKh --version",
                               "board --version", "import -V", "review --version", "replay -V", "content --version",
                               "postflop -V"}) {
        const RunResult r = tablewise(option);
        EXPECT_EQ(r.status, 0) << option;
        EXPECT_EQ(r.out, "tablewise 1.0.8\n") << option;
    }
}

TEST(Advise, MultiParagraphAdviceBreaksLinesForTheTerminal)
{
    const std::string out = printed("advise QQ --action re-raised --position blinds");
    EXPECT_EQ(out.find('\r'), std::string::npos);
    EXPECT_NE(out.find("\n\nYour equity in the pot: A quick note\n"), std::string::npos) << out;
}

struct BadArgs {
    const char* args;
    const char* names; // the error line names this
};

class CommandErrors : public ::testing::TestWithParam<BadArgs> {};

TEST_P(CommandErrors, OneLineNamingTheArgumentAndStatusTwo)
{
    const RunResult r = tablewise(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.err.rfind("tablewise: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(GetParam().names), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandErrors,
    ::testing::Values(BadArgs{"", "missing command"}, BadArgs{"frobnicate", "frobnicate"},
                      BadArgs{"advise AX --action opened", "AX"}, BadArgs{"advise AAs --action opened", "AAs"},
                      BadArgs{"advise AK", "--action"}, BadArgs{"advise AK --action folded", "folded"},
                      BadArgs{"advise AK --action opened --position button", "button"},
                      BadArgs{"advise AK --action opened --bb 1,2,5", "1,2,5"},
                      BadArgs{"advise AK --action opened --bb 12345678901", "12345678901"},
                      BadArgs{"advise AK --action opened --limpers 2", "--limpers"},
                      BadArgs{"advise AK --action limped --limpers two", "two"},
                      BadArgs{"advise AK --action opened --colour red", "--colour"},
                      BadArgs{"advise AK KQ --action opened", "KQ"}, BadArgs{"advise AK --action", "--action"},
                      BadArgs{"postflop 14", "14"}, BadArgs{"postflop 'Top two pairs'", "Top two pairs"},
                      BadArgs{"postflop 4 --pot big", "big"}, BadArgs{"postflop 4 --players three", "three"},
                      BadArgs{"content extra", "extra"}, BadArgs{"replay a b", "b"},
                      BadArgs{"equity", "HAND"}, BadArgs{"equity AhAh", "duplicate card \"Ah\""},
                      BadArgs{"equity AhKh --board 'Ah 2c 3d'", "\"Ah\" is in the hand and on the board"},
                      BadArgs{"equity AhKh --board Xh", "--board: \"Xh\" is not a card"},
                      BadArgs{"equity AhKh -b 'Qh Jh 2c'", "give the board as --board CARDS"},
                      BadArgs{"equity AhKh --trials 0", "0"}, BadArgs{"equity AhKh --seed x", "--seed"},
                      BadArgs{"equity AhKh -n 10", "10"},
                      BadArgs{"equity AhKh -n 2 --vs QQ+", "--vs"}, BadArgs{"equity AhKh --vs AKx", "AKx"},
                      BadArgs{"equity AhKh --exact --trials 5", "--trials"}, BadArgs{"equity AhKh --seconds -1", "-1"},
                      BadArgs{"equity AhKh AKx", "player 2: \"AKx\" is not a hand range"},
                      BadArgs{"equity AhKh QQ -n 2", "--opponents and --vs belong to the one-hand form"},
                      BadArgs{"equity AhKh KhQh", "\"Kh\" is in player 2's hand and in another's"},
                      BadArgs{"equity AsAh 'AsAd, AsAc'", "no hand of player 2's range is possible"},
                      BadArgs{"equity a b c d e f g h i j k", "at most 10 players, not 11"},
                      BadArgs{"board AhKh", "BOARD"}, BadArgs{"board AhKh 'Qh Jh'", "2 cards"},
                      BadArgs{"board AhKh 'Qh Jh 2c' -f xml", "xml"},
                      BadArgs{"replay /nonexistent/session.txt", "/nonexistent/session.txt: No such file or directory"},
                      BadArgs{"replay /", "/: Is a directory"}));

TEST(Postflop, ByNumberOrTextWithOptions)
{
    const RunResult byNumber = tablewise("postflop 5 --pot raised");
    const RunResult byText = tablewise("postflop 'Two Pair' --pot raised --position in");
    EXPECT_EQ(byNumber.status, 0);
    EXPECT_EQ(byNumber.out, "Raise any bet that is in front of you to a near pot sized bet.\n");
    EXPECT_EQ(byText.out, byNumber.out);
    EXPECT_EQ(tablewise("postflop 9 --position out --pot raised").out, "Enter the correct options above\n");
    // Any case, and the short form of --position.
    EXPECT_EQ(tablewise("postflop 'two pair' --pot RAISED -p IN").out, byNumber.out);
}

TEST(Content, EveryEntryOnOneLineInKeyOrder)
{
    const RunResult r = tablewise("content");
    EXPECT_EQ(r.status, 0);
    std::istringstream s(r.out);
    std::size_t i = 0;
    for (std::string line; std::getline(s, line); ++i) {
        ASSERT_LT(i, engine::kAdviceKeyCount);
        const auto key = static_cast<engine::AdviceKey>(i);
        EXPECT_EQ(line.substr(0, line.find('\t')), engine::adviceKeyName(key));
        EXPECT_EQ(line.find('\r'), std::string::npos);
    }
    EXPECT_EQ(i, 125u);
}

TEST(Help, EveryCommandExplainsItself)
{
    for (const char* cmd : {"--help", "-h", "advise --help", "advise -h", "postflop --help", "chart --help",
                            "equity --help", "board -h", "replay --help", "content --help"}) {
        const RunResult r = tablewise(cmd);
        EXPECT_EQ(r.status, 0) << cmd;
        EXPECT_EQ(r.out.rfind("Usage: tablewise", 0), 0u) << cmd;
    }
}

TEST(ReplayProgram, ReadsStandardInputOrAFileAndFlushesEachDump)
{
    const RunResult fromStdin = tablewise("replay", "type txtHoleCard QQ\ndump\n");
    const RunResult fromDash = tablewise("replay -", "type txtHoleCard QQ\ndump\n");
    EXPECT_EQ(fromStdin.status, 0);
    EXPECT_EQ(fromStdin.out, fromDash.out);
    EXPECT_NE(fromStdin.out.find("txtHoleCard\tQQ\n"), std::string::npos);
    // A bad line after a dump: the dump stays printed.
    const RunResult bad = tablewise("replay", "dump\nclick nothing\ndump\n");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "tablewise: line 2: unknown control \"nothing\"\n");
    EXPECT_EQ(std::count(bad.out.begin(), bad.out.end(), '\n'), 34);
}

} // namespace

namespace {

TEST(Chart, TextIsAGridWithALegend)
{
    const std::string out = printed("chart --action raised --position blinds");
    std::istringstream s(out);
    std::vector<std::string> lines;
    for (std::string l; std::getline(s, l);)
        lines.push_back(l);
    ASSERT_GE(lines.size(), 16u);
    EXPECT_EQ(lines[0], "Strategy chart: Raise, Blinds position, amounts in big blinds");
    EXPECT_EQ(lines[2].substr(0, 8), "AA  1 R ");  // AA re-raises
    EXPECT_EQ(lines[2].substr(8, 8), "AKs 1 A ");  // AKs: see the advice
    EXPECT_EQ(lines[14].substr(96), "22  7 L");    // small pairs: the 5/10 rule
    EXPECT_NE(out.find("  F  fold\n"), std::string::npos);
}

TEST(Chart, CsvJsonAndHtmlCarryEveryHand)
{
    const std::string csv = printed("chart --action limped --position late --limpers 2 --bb 2 --format csv");
    EXPECT_EQ(csv.rfind("hand,row,column,group,class,bet,advice\r\n", 0), 0u);
    EXPECT_NE(csv.find("\r\nKTs,2,5,\"4\",call,\"$2.00\",\"Limp behind from MP2 to the button if the table is "
                       "playing loose.\"\r\n"),
              std::string::npos);
    const RunResult json = tablewise("chart --action opened --position early --format json");
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 171);
    EXPECT_NE(json.out.find("{\"hand\":\"KQs\",\"row\":2,\"column\":3,\"group\":\"2\",\"class\":\"call\",\"bet\":\"1 BB\""),
              std::string::npos);
    EXPECT_NE(tablewise("chart -a OPENED -p Early -b 1 -f JSON").out.find("\"bet\":\"$1.00\""), std::string::npos);
    const RunResult html = tablewise("chart --action re-raised --position middle --format html");
    std::size_t cells = 0;
    for (std::size_t p = html.out.find("<td "); p != std::string::npos; p = html.out.find("<td ", p + 1))
        ++cells;
    EXPECT_EQ(cells, 169u);
    // The bet table says to read the advice, and the advice says fold.
    EXPECT_NE(html.out.find("title=\"See advice below - Fold.\"><b>AQs</b>2</td>"), std::string::npos);
}

TEST(Chart, PictureToAFile)
{
    const fs::path png = fs::temp_directory_path() / ("chart-" + std::to_string(::getpid()) + ".png");
    const RunResult r = tablewise("chart --action opened --position late --format png --output " + png.string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string data = readFile(png);
    fs::remove(png);
    ASSERT_GT(data.size(), 24u);
    EXPECT_EQ(data.substr(1, 3), "PNG");
    const auto be32 = [&](std::size_t at) {
        return (static_cast<unsigned char>(data[at]) << 24) | (static_cast<unsigned char>(data[at + 1]) << 16)
            | (static_cast<unsigned char>(data[at + 2]) << 8) | static_cast<unsigned char>(data[at + 3]);
    };
    EXPECT_EQ(be32(16), 760u); // width: the grid of 13 cells and its margins
}

TEST(Chart, Errors)
{
    for (const char* args : {"chart --position early", "chart --action opened", "chart --action opened --position x",
                             "chart --action opened --position early --format pdf",
                             "chart --action opened --position early --format png",
                             "chart --action opened --position early --limpers 2"}) {
        const RunResult r = tablewise(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << args << ": " << r.err;
    }
    // A file that cannot be written is no fault of the arguments.
    const RunResult r = tablewise("chart --action opened --position early --output /nonexistent/dir/chart.txt");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "tablewise: /nonexistent/dir/chart.txt: No such file or directory\n");
}

} // namespace
