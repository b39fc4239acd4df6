#include "cli/Commands.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>

#include "cli/Args.h"
#include "cli/JsonText.h"
#include "cli/ChartFormat.h"
#include "cli/ChartPicture.h"
#include "cli/Replay.h"
#include "engine/Hand.h"
#include "engine/Postflop.h"
#include "engine/content/AdviceContent.h"
#include "engine/LimperPrompts.h"
#include "engine/Preflop.h"
#include "window/model/StateDump.h"

namespace cli {

namespace {

constexpr const char* kAdviseUsage = R"(Usage: tablewise advise HAND --action ACTION [--position POSITION] [--bb AMOUNT] [--limpers N] [--json]

Shows the pre-flop advice for one hand: its group, the recommended bet and the
advice text, exactly as the window shows them after the same input.

  HAND            two ranks (A K Q J T 9 ... 2) in either order and case, and
                  an "s" when suited: AKs, ak, 72, QQ
  --action        opened | limped | raised | raised-called | re-raised
  --position      early | middle | late | blinds
  --bb AMOUNT     the big blind, as typed: digits with at most one "."
  --limpers N     the number of limpers (with --action limped only)
  --json          print JSON instead of text
)";

constexpr const char* kPostflopUsage = R"(Usage: tablewise postflop CATEGORY [--position in|out] [--pot raised|limped] [--players heads-up|multi-way] [--json]

Shows the post-flop advice for what you hold after the flop.

  CATEGORY        the category's text or its number:
)";

constexpr const char* kChartUsage = R"(Usage: tablewise chart --action ACTION --position POSITION [--bb AMOUNT] [--limpers N] [--format FORMAT] [--output FILE]

Shows what the advisor recommends for all 169 starting hands in one pre-flop
situation: the usual 13x13 grid, aces first, pairs on the diagonal, suited
hands above it and offsuit hands below. Each cell gives the hand, its group
and what to do (raise, limp/call, fold, or read the advice).

  --action        opened | limped | raised | raised-called | re-raised
  --position      early | middle | late | blinds
  --bb AMOUNT     the big blind (default 1, so amounts read in big blinds)
  --limpers N     the number of limpers with --action limped (default 1)
  --format        text (default), csv, json, html or png
  --output FILE   write to FILE instead of standard output (needed for png)
)";

constexpr const char* kContentUsage = R"(Usage: tablewise content

Prints every advice text, one per line: KEY, a tab, and the text with
backslash, CR, LF and TAB written as \\, \r, \n and \t.
)";

constexpr const char* kReplayUsage = R"(Usage: tablewise replay [FILE]

Runs a session script against the advisor's window, without showing it, and
prints the window's state at each "dump". Reads standard input when FILE is
omitted or "-". One action per line; blank lines and lines starting with "#"
are skipped:

  type NAME TEXT       one key press per character into a text box or the
                       combo box's edit field
  backspace NAME [N]   N Backspace presses (default 1)
  click NAME           an option button, chkSuited or cmdResetPartial
  select NAME INDEX    chooses item INDEX (from 0) of cmbPostFlop
  focus NAME           moves the focus
  dump                 prints NAME<TAB>VALUE lines and an empty line

In TEXT, \\ is a backslash, \r CR, \n LF and \t TAB.
)";

int usageError(std::string_view message)
{
    std::fprintf(stderr, "tablewise: %.*s\n", static_cast<int>(message.size()), message.data());
    return 2;
}

// Advice texts break lines with CR LF; a terminal wants LF.
std::string forTerminal(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out.push_back(text[i]);
    }
    return out;
}

void write(const std::string& s)
{
    std::fwrite(s.data(), 1, s.size(), stdout);
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::optional<engine::PreflopAction> parseAction(std::string_view a)
{
    if (a == "opened")
        return engine::PreflopAction::Opened;
    if (a == "limped")
        return engine::PreflopAction::Limped;
    if (a == "raised")
        return engine::PreflopAction::Raised;
    if (a == "raised-called")
        return engine::PreflopAction::RaisedCalled;
    if (a == "re-raised")
        return engine::PreflopAction::ReRaised;
    return std::nullopt;
}

std::optional<engine::Position> parsePosition(std::string_view p)
{
    if (p == "early")
        return engine::Position::Early;
    if (p == "middle")
        return engine::Position::Middle;
    if (p == "late")
        return engine::Position::Late;
    if (p == "blinds")
        return engine::Position::Blinds;
    return std::nullopt;
}

bool isTypedAmount(std::string_view s)
{
    if (s.empty() || s.size() > 10 || s.find_first_not_of("0123456789.") != std::string_view::npos)
        return false;
    const auto point = s.find('.');
    return s != "." && (point == std::string_view::npos || s.find('.', point + 1) == std::string_view::npos);
}

} // namespace

int contentCommand(int argc, char** argv)
{
    try {
        const Args args(argc, argv, 2, {}, {"--help"});
        if (args.flag("--help")) {
            std::fputs(kContentUsage, stdout);
            return 0;
        }
        if (!args.positional().empty())
            return usageError("content: unexpected argument " + args.positional().front());
    } catch (const UsageError& e) {
        return usageError("content: " + e.message);
    }
    std::string out;
    for (std::size_t i = 0; i < engine::kAdviceKeyCount; ++i) {
        const auto key = static_cast<engine::AdviceKey>(i);
        out.append(engine::adviceKeyName(key));
        out.push_back('\t');
        window::appendEscaped(out, engine::adviceText(key));
        out.push_back('\n');
    }
    write(out);
    return 0;
}

int adviseCommand(int argc, char** argv)
{
    std::string hand;
    bool suited = false;
    std::optional<std::string> bb, limpers, position, action;
    bool json = false;
    try {
        const Args args(argc, argv, 2, {"--action", "--position", "--bb", "--limpers"}, {"--help", "--json"});
        if (args.flag("--help")) {
            std::fputs(kAdviseUsage, stdout);
            return 0;
        }
        json = args.flag("--json");
        if (args.positional().size() != 1)
            return usageError(args.positional().empty() ? "advise: missing HAND (try --help)"
                                                        : "advise: unexpected argument " + args.positional()[1]);
        const std::string& h = args.positional().front();
        const bool hasS = h.size() == 3 && (h[2] == 's' || h[2] == 'S');
        if ((h.size() != 2 && !hasS) || engine::rankIndex(upper(h[0])) < 0 || engine::rankIndex(upper(h[1])) < 0)
            return usageError("advise: HAND \"" + h + "\" is not two ranks with an optional s (AKs, 72, QQ)");
        if (hasS && upper(h[0]) == upper(h[1]))
            return usageError("advise: HAND \"" + h + "\" is a pair and cannot be suited");
        hand = h.substr(0, 2);
        suited = hasS;
        action = args.value("--action");
        if (!action)
            return usageError("advise: --action is required (opened, limped, raised, raised-called, re-raised)");
        if (!parseAction(*action))
            return usageError("advise: --action \"" + *action
                              + "\" is not opened, limped, raised, raised-called or re-raised");
        position = args.value("--position");
        if (position && !parsePosition(*position))
            return usageError("advise: --position \"" + *position + "\" is not early, middle, late or blinds");
        bb = args.value("--bb");
        if (bb && !isTypedAmount(*bb))
            return usageError("advise: --bb \"" + *bb
                              + "\" is not an amount (digits with at most one \".\", up to 10 characters)");
        limpers = args.value("--limpers");
        if (limpers && (limpers->empty() || limpers->find_first_not_of("0123456789") != std::string::npos))
            return usageError("advise: --limpers \"" + *limpers + "\" is not a whole number");
        if (limpers && *action != "limped")
            return usageError("advise: --limpers goes with --action limped only");
    } catch (const UsageError& e) {
        return usageError("advise: " + e.message);
    }

    engine::PreflopSituation situation;
    situation.action = *parseAction(*action);
    situation.holeCards = hand;
    situation.suited = suited;
    if (position)
        situation.position = parsePosition(*position);
    if (bb)
        situation.bigBlind = *bb;
    if (limpers)
        situation.limpers = *limpers;
    const platform::Money& money = platform::Money::process();
    const engine::PreflopRecommendation r = engine::advisePreflop(situation, money);
    const std::string_view handText = r.hand.handText.view();
    // What the window shows once the action is chosen and the count typed.
    // Choosing Limped first asks the hands of the limper prompt for their
    // count and shows the zero prompt to the others; a bet the tables leave
    // unchanged keeps what that showed.
    const bool limped = situation.action == engine::PreflopAction::Limped;
    const bool asksForCount = limped && engine::asksForLimpers(engine::LimperPrompt::OnChoosingLimped, handText);
    const engine::AdviceText& advice = asksForCount && !limpers ? engine::kEnterAmountOfLimpers : *r.advice;
    std::string betShown;
    if (asksForCount && !limpers)
        betShown.clear();
    else if (r.bet.kind != engine::Bet::Kind::Unchanged)
        betShown = engine::betText(r.bet, money);
    else if (limped && !asksForCount)
        betShown = engine::betText(engine::Bet::zeroPrompt(), money);
    const std::string adviceShown = advice.text();

    std::string out;
    if (json) {
        out.append("{\"hand\":");
        appendJsonString(out, handText);
        out.append(",\"group\":");
        appendJsonString(out, r.group);
        out.append(",\"bet\":");
        appendJsonString(out, betShown);
        out.append(",\"advice\":");
        appendJsonString(out, adviceShown);
        out.append("}\n");
    } else {
        out.append("Hand:   ").append(handText).append("\n");
        out.append("Group:  ").append(r.group).append("\n");
        out.append("Bet:    ").append(betShown).append("\n");
        out.append("Advice:\n").append(forTerminal(adviceShown)).append("\n");
    }
    write(out);
    return 0;
}

int postflopCommand(int argc, char** argv)
{
    std::string category;
    std::optional<std::string> side, pot, players;
    bool json = false;
    try {
        const Args args(argc, argv, 2, {"--position", "--pot", "--players"}, {"--help", "--json"});
        if (args.flag("--help")) {
            std::string usage = kPostflopUsage;
            for (std::size_t i = 0; i < engine::kPostFlopCategories.size(); ++i)
                usage += "                  " + std::to_string(i + 1) + "  "
                    + std::string(engine::kPostFlopCategories[i]) + "\n";
            usage += "  --position      in | out\n  --pot           raised | limped\n"
                     "  --players       heads-up | multi-way\n  --json          print JSON instead of text\n";
            write(usage);
            return 0;
        }
        json = args.flag("--json");
        if (args.positional().size() != 1)
            return usageError(args.positional().empty() ? "postflop: missing CATEGORY (try --help)"
                                                        : "postflop: unexpected argument " + args.positional()[1]);
        category = args.positional().front();
        side = args.value("--position");
        pot = args.value("--pot");
        players = args.value("--players");
        if (side && *side != "in" && *side != "out")
            return usageError("postflop: --position \"" + *side + "\" is not in or out");
        if (pot && *pot != "raised" && *pot != "limped")
            return usageError("postflop: --pot \"" + *pot + "\" is not raised or limped");
        if (players && *players != "heads-up" && *players != "multi-way")
            return usageError("postflop: --players \"" + *players + "\" is not heads-up or multi-way");
    } catch (const UsageError& e) {
        return usageError("postflop: " + e.message);
    }

    int index = -1;
    for (std::size_t i = 0; i < engine::kPostFlopCategories.size(); ++i)
        if (category == engine::kPostFlopCategories[i] || category == std::to_string(i + 1))
            index = static_cast<int>(i) + 1;
    if (index < 0)
        return usageError("postflop: CATEGORY \"" + category + "\" is not a category (try --help)");

    engine::PostflopSituation situation;
    situation.category = engine::kPostFlopCategories[static_cast<std::size_t>(index - 1)];
    if (side)
        situation.side = *side == "in" ? engine::PostflopSide::In : engine::PostflopSide::Out;
    if (pot)
        situation.pot = *pot == "raised" ? engine::PostflopPot::Raised : engine::PostflopPot::Limped;
    if (players)
        situation.players = *players == "heads-up" ? engine::PostflopPlayers::HeadsUp : engine::PostflopPlayers::MultiWay;
    // The window answers a category chosen with no option at all by asking
    // for the options, whatever the category.
    const bool anyOption = side || pot || players;
    const std::string advice =
        anyOption ? engine::advisePostflop(situation).advice->text() : engine::kEnterCorrectOptions.text();

    std::string out;
    if (json) {
        out.append("{\"category\":");
        appendJsonString(out, situation.category);
        out.append(",\"advice\":");
        appendJsonString(out, advice);
        out.append("}\n");
    } else {
        out.append(forTerminal(advice)).append("\n");
    }
    write(out);
    return 0;
}

int chartCommand(int argc, char** argv)
{
    engine::ChartSituation situation;
    std::string format = "text";
    std::optional<std::string> output;
    try {
        const Args args(argc, argv, 2, {"--action", "--position", "--bb", "--limpers", "--format", "--output"},
                        {"--help"});
        if (args.flag("--help")) {
            std::fputs(kChartUsage, stdout);
            return 0;
        }
        if (!args.positional().empty())
            return usageError("chart: unexpected argument " + args.positional().front());
        const auto action = args.value("--action");
        if (!action)
            return usageError("chart: --action is required (opened, limped, raised, raised-called, re-raised)");
        const auto a = parseAction(*action);
        if (!a)
            return usageError("chart: --action \"" + *action + "\" is not opened, limped, raised, raised-called or re-raised");
        situation.action = *a;
        const auto position = args.value("--position");
        if (!position)
            return usageError("chart: --position is required (early, middle, late, blinds)");
        const auto p = parsePosition(*position);
        if (!p)
            return usageError("chart: --position \"" + *position + "\" is not early, middle, late or blinds");
        situation.position = *p;
        if (const auto bb = args.value("--bb")) {
            if (!isTypedAmount(*bb))
                return usageError("chart: --bb \"" + *bb
                                  + "\" is not an amount (digits with at most one \".\", up to 10 characters)");
            situation.bigBlind = *bb;
        }
        if (const auto limpers = args.value("--limpers")) {
            if (limpers->empty() || limpers->find_first_not_of("0123456789") != std::string::npos)
                return usageError("chart: --limpers \"" + *limpers + "\" is not a whole number");
            if (situation.action != engine::PreflopAction::Limped)
                return usageError("chart: --limpers goes with --action limped only");
            situation.limpers = *limpers;
        }
        if (const auto f = args.value("--format")) {
            if (*f != "text" && *f != "csv" && *f != "json" && *f != "html" && *f != "png")
                return usageError("chart: --format \"" + *f + "\" is not text, csv, json, html or png");
            format = *f;
        }
        output = args.value("--output");
        if (format == "png" && !output)
            return usageError("chart: --format png needs --output FILE");
    } catch (const UsageError& e) {
        return usageError("chart: " + e.message);
    }

    const platform::Money& money = platform::Money::process();
    const engine::Chart chart = engine::computeChart(situation, money);
    if (format == "png")
        return writeChartPng(chart, money, *output) ? 0 : usageError(*output + ": could not write the picture");
    std::string text;
    if (format == "csv")
        text = chartAsCsv(chart);
    else if (format == "json")
        text = chartAsJson(chart, money);
    else if (format == "html")
        text = chartAsHtml(chart, money);
    else
        text = chartAsText(chart, money);
    if (!output) {
        write(text);
        return 0;
    }
    std::ofstream file(*output, std::ios::binary);
    file << text;
    file.close();
    if (!file)
        return usageError(*output + ": " + std::strerror(errno));
    return 0;
}

int replayCommand(int argc, char** argv)
{
    std::string file;
    try {
        const Args args(argc, argv, 2, {}, {"--help"});
        if (args.flag("--help")) {
            std::fputs(kReplayUsage, stdout);
            return 0;
        }
        if (args.positional().size() > 1)
            return usageError("replay: unexpected argument " + args.positional()[1]);
        if (!args.positional().empty())
            file = args.positional().front();
    } catch (const UsageError& e) {
        return usageError("replay: " + e.message);
    }
    if (file.empty() || file == "-")
        return replay(stdin, stdout, stderr);
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        return usageError(file + ": " + std::strerror(errno));
    struct stat info {};
    if (::fstat(::fileno(in), &info) == 0 && S_ISDIR(info.st_mode)) {
        std::fclose(in);
        return usageError(file + ": " + std::strerror(EISDIR));
    }
    errno = 0;
    const int status = replay(in, stdout, stderr);
    const int readError = std::ferror(in) ? errno : 0;
    std::fclose(in);
    if (readError != 0)
        return usageError(file + ": " + std::strerror(readError));
    return status;
}

} // namespace cli
