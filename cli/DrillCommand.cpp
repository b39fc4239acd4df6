// `tablewise drill`: practice questions on the terminal, answered on standard
// input, judged by the advisor and scheduled in the review's store.

#include <limits>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include <unistd.h>
#include <string>

#include "cli/ArgumentReaders.h"
#include "cli/Args.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/DrillOutput.h"
#include "cli/SeedOption.h"
#include "history/practice/DrillSession.h"
#include "platform/money/Money.h"
#include "store/DrillStore.h"
#include "store/HandStore.h"

namespace cli {

namespace {

constexpr const char* kUsage = R"(Usage: tablewise drill [--situation ACTION/POSITION | --mistakes [--player NAME]] [--count N] [--seed S] [-b AMOUNT] [--db PATH] [-f text|json]

Practice: shows a pre-flop situation as you meet it at the table and asks
your move, one answer a line on standard input: f (fold), c (call, limp or
check), r (raise), or r 3.5 (raise to 3.5 big blinds). Each answer is judged
against the advisor at once. What you get wrong comes back within the
session; what you get right comes back later, at growing intervals across
days. Answers and schedules are kept in the store; the end of input ends the
drill with the score so far kept.

  --situation A/P     one situation: opened | limped | raised | raised-called |
                      re-raised, then early | middle | late | blinds
  --mistakes          the situations and hands where your own stored
                      decisions differed from the advice, the frequent and
                      costly ones more often
  --player NAME       whose mistakes (default: the player the review picks)
  --count N           questions to ask (default 20)
  --seed S            the same seed asks the same questions
  -b, --bb AMOUNT     the big blind (default 2)
  --db PATH           the store (default: $XDG_DATA_HOME/brisvane-tablewise/hands.sqlite)
  -f, --format        text (default), or json: one line per answer
)";

enum class Format { Text, Json };

constexpr int kDefaultCount = 20;
constexpr double kDefaultBigBlind = 2;

struct DrillRequest {
    practice::DrillFocus focus;
    std::optional<std::string> player;
    int count = kDefaultCount;
    std::uint64_t seed = 0;
    double bigBlind = kDefaultBigBlind;
    std::filesystem::path db;
    Format format = Format::Text;
};

DrillRequest readRequest(const Args& args)
{
    static const Choices<Format> formats{{"text", Format::Text}, {"json", Format::Json}};
    DrillRequest r;
    args.positional({});
    r.format = chosen(args, "--format", formats).value_or(Format::Text);
    const auto situation = args.value("--situation");
    const bool mistakes = args.flag("--mistakes");
    if (situation && mistakes)
        throw UsageError{"--situation and --mistakes go apart"};
    if (situation) {
        const auto slash = situation->find('/');
        const auto action = choose(actionChoices(), situation->substr(0, slash));
        const auto position = slash == std::string::npos ? std::nullopt
                                                         : choose(positionChoices(), situation->substr(slash + 1));
        if (!action || !position)
            throw UsageError{"--situation \"" + *situation + "\" is not ACTION/POSITION: " + choiceList(actionChoices())
                             + ", then /, then " + choiceList(positionChoices()) + " (raised/late)"};
        if (practice::possibleSituations(*action, *position).empty())
            throw UsageError{"--situation \"" + *situation + "\" is met at no table (nobody acts after the big blind)"};
        r.focus.scope = practice::DrillScope::Situation;
        r.focus.action = *action;
        r.focus.position = *position;
    }
    if (mistakes)
        r.focus.scope = practice::DrillScope::Mistakes;
    r.player = args.value("--player");
    if (r.player && !mistakes)
        throw UsageError{"--player goes with --mistakes"};
    if (r.player && r.player->empty())
        throw UsageError{"--player needs a name"};
    if (const auto count = args.value("--count")) {
        const auto n = wholeNumber(*count, std::numeric_limits<int>::max());
        if (!n || *n < 1)
            throw UsageError{"--count \"" + *count + "\" is not a whole number above 0"};
        r.count = static_cast<int>(*n);
    }
    r.seed = seedOption(args);
    if (const auto bb = args.value("--bb")) {
        const auto value = typedBigBlind(*bb, platform::Money::process());
        if (!value || !(*value > 0))
            throw UsageError{"--bb \"" + *bb + "\" is not an amount above 0"};
        r.bigBlind = *value;
    }
    r.db = args.value("--db").value_or(store::defaultStorePath().string());
    if (r.db.empty())
        throw UsageError{"--db needs a file name"};
    return r;
}

// The clock, which a test may stop at TABLEWISE_DRILL_NOW (2026-12-09T10:45:00Z).
std::function<std::int64_t()> drillClock()
{
    if (const char* now = std::getenv("TABLEWISE_DRILL_NOW"))
        if (const auto fixed = practice::parseIsoTime(now))
            return [at = *fixed] { return at; };
    return practice::nowSeconds;
}

void ask(std::string_view text)
{
    write(text);
    std::fflush(stdout);
}

int drill(const DrillRequest& request)
{
    store::DrillStore drills(request.db);
    practice::DrillOptions options;
    options.focus = request.focus;
    if (options.focus.scope == practice::DrillScope::Mistakes) {
        const auto player = request.player ? request.player : drills.mostSeenPlayer();
        if (player)
            options.focus.mistakes = drills.mistakes(player);
        if (options.focus.mistakes.empty()) {
            std::fprintf(stderr,
                         "tablewise: drill: %s holds no decision of %s that differs from the advice: import your "
                         "hands first (tablewise import)\n",
                         request.db.c_str(), player ? ("\"" + *player + "\"").c_str() : "any player");
            return 1;
        }
    }
    options.seed = request.seed;
    options.bigBlind = request.bigBlind;
    options.count = request.count;
    options.clock = drillClock();
    const platform::Money& money = platform::Money::process();
    practice::DrillSession session(drills, options, money);
    const bool text = request.format == Format::Text;

    std::string line;
    while (const practice::Question* q = session.next()) {
        if (text)
            ask(drillQuestionText(*q, request.count, money));
        else
            std::fputs(drillQuestionText(*q, request.count, money).c_str(), stderr);
        std::optional<practice::Answer> answer;
        while (!answer && std::getline(std::cin, line)) {
            // Answers from a file or a pipe are written after the prompt, as
            // a terminal would have echoed them.
            if (text && !::isatty(STDIN_FILENO))
                ask(line + "\n");
            auto read = readDrillAnswer(line);
            if (auto* a = std::get_if<practice::Answer>(&read)) {
                answer = *a;
            } else {
                std::fprintf(stderr, "tablewise: drill: %s\n", std::get<std::string>(read).c_str());
                if (text)
                    ask(drillPrompt(q->scene));
            }
        }
        if (!answer) {
            if (text)
                write("\n");
            break;
        }
        const practice::AnsweredQuestion& done = session.answer(*answer);
        write(text ? drillVerdictText(done, money) : drillJsonLine(done));
        std::fflush(stdout);
    }
    const std::string score = drillScoreText(session.score());
    if (text)
        write(score);
    else
        std::fputs(score.c_str(), stderr);
    return 0;
}

std::string usage()
{
    return kUsage;
}

Asked readOptions(int argc, char** argv, DrillRequest& request)
{
    const Args args(argc, argv, 2,
                    {{"--situation", 0, true}, {"--mistakes", 0}, {"--player", 0, true}, {"--count", 0, true},
                     {"--seed", 0, true}, {"--bb", 'b', true}, {"--db", 0, true}, {"--format", 'f', true}});
    if (args.asked() != Asked::Work)
        return args.asked();
    request = readRequest(args);
    return Asked::Work;
}

int drillStored(const DrillRequest& request)
{
    try {
        return drill(request);
    } catch (const store::StoreError& e) {
        std::fprintf(stderr, "tablewise: drill: %s\n", e.what());
        return 1;
    }
}

} // namespace

int drillCommand(int argc, char** argv)
{
    return runCommand<DrillRequest>("drill", usage, argc, argv, readOptions, drillStored);
}

void readDrillArguments(int argc, char** argv)
{
    DrillRequest request;
    readOptions(argc, argv, request);
}

} // namespace cli
