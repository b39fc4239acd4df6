// `tablewise equity`: the odds of a hand against random hands or a range.

#include <charconv>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "cli/Args.h"
#include "cli/ArgumentReaders.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "engine/odds/Equity.h"

namespace cli {

namespace {

using namespace engine;

constexpr const char* kUsage = R"(Usage: tablewise equity HAND [--board CARDS] [-n N | --vs RANGE] [-d CARDS] [--exact | --trials N | --seconds S] [--seed N] [-f text|json]

Shows the equity of a hand: how often it wins, how often it ties, and its
share of the pot over all deals of the cards still to come.

  HAND                two cards with their suits: AhKh, "10s 10d", "A♠K♠"
  --board CARDS       the board cards known, 0 to 5: "Qh Jh 2c"
  -n, --opponents N   opponents holding random hands, 1 to 9 (default 1)
  --vs RANGE          one opponent holding a hand of RANGE: "QQ+, AKs, AQo+",
                      "22+", "A5s-A2s", "KhKs", "random"
  -d, --dead CARDS    cards known to be out of play
  --exact             count every deal, however long it takes
  --trials N          deal N random deals (Monte Carlo), 1 to 1000000000000
  --seconds S         deal random deals for S seconds (Monte Carlo)
  --seed N            the random deals of seed N, 0 to 9007199254740991, so
                      that a run can be repeated; without it every run deals
                      others (the JSON's "seed" field repeats it)
  -f, --format        text (default) or json
Without --exact, --trials or --seconds every deal is counted when that takes
about 0.2 seconds or less on one core; otherwise random deals are dealt until
the standard error of the equity is 0.1% or less. Cards are written higher
rank first, and cards of one rank spades, hearts, diamonds, clubs: AsAh.
)";

// More trials than this would take days; the count must also stay far from
// where splitting it into batches could overflow.
constexpr std::uint64_t kMostTrials = 1'000'000'000'000;
// Seeds stay exact in any JSON reader (2^53 - 1).
constexpr std::uint64_t kLargestSeed = (std::uint64_t{1} << 53) - 1;

struct EquityOptions {
    odds::EquityRequest request;
    std::string rangeText;
    TextOrJson format = TextOrJson::Text;
};

std::string percent(double share)
{
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, share * 100.0, std::chars_format::fixed, 2).ptr;
    return std::string(buf, end) + "%";
}

std::string spaced(const std::vector<cards::Card>& cards)
{
    std::string out;
    for (const cards::Card c : cards)
        out += (out.empty() ? "" : " ") + c.text();
    return out;
}

std::string compact(const std::vector<cards::Card>& cards)
{
    std::string out;
    for (const cards::Card c : cards)
        out += c.text();
    return out;
}

std::string usage()
{
    return kUsage;
}

// A whole number from 0 to `most`, or none.
std::optional<std::uint64_t> wholeNumber(const std::string& text, std::uint64_t most)
{
    std::uint64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (!isWholeNumber(text) || ec != std::errc{} || end != text.data() + text.size() || n > most)
        return std::nullopt;
    return n;
}

std::uint64_t clockSeed()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count()
        ^ std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(ticks) & kLargestSeed;
}

void readCards(const std::optional<std::string>& typed, std::string_view option, std::vector<cards::Card>& into)
{
    if (!typed)
        return;
    const auto parsed = cards::parseCards(*typed);
    if (!parsed.ok())
        throw UsageError{std::string(option) + ": " + parsed.error};
    into = parsed.value;
}

Asked readOptions(int argc, char** argv, EquityOptions& o)
{
    odds::EquityRequest& request = o.request;
    const auto parse = [&] {
        return Args(argc, argv, 2,
                    {{"--board", 0, true}, {"--opponents", 'n', true}, {"--vs", 0, true}, {"--dead", 'd', true},
                     {"--exact", 0}, {"--trials", 0, true}, {"--seconds", 0, true}, {"--seed", 0, true},
                     kFormatOption});
    };
    std::optional<Args> parsed;
    try {
        parsed.emplace(parse());
    } catch (const UsageError& e) {
        // -b was the board's short form once; now it is every command's big blind.
        if (e.message == "unknown option -b")
            throw UsageError{"-b is the big blind, which equity does not take; give the board as --board CARDS"};
        throw;
    }
    const Args& args = *parsed;
    if (args.asked() != Asked::Work)
        return args.asked();
    const auto hand = cards::parseHoleCards(args.positional({"HAND"}).front());
    if (!hand.ok())
        throw UsageError{"HAND: " + hand.error};
    request.hand = hand.value;
    readCards(args.value("--board"), "--board", request.board);
    std::vector<cards::Card> dead;
    readCards(args.value("--dead"), "--dead", dead);
    for (const cards::Card c : dead)
        request.dead.insert(c);
    const auto opponents = args.value("--opponents");
    const auto vs = args.value("--vs");
    if (opponents && vs)
        throw UsageError{"--opponents and --vs go apart: a range is one opponent's"};
    if (opponents) {
        if (!isWholeNumber(*opponents) || opponents->size() > 1 || *opponents == "0")
            throw UsageError{"--opponents \"" + *opponents + "\" is not a number from 1 to 9"};
        request.opponents = (*opponents)[0] - '0';
    }
    if (vs) {
        const auto range = cards::parseRange(*vs);
        if (!range.ok())
            throw UsageError{"--vs: " + range.error};
        request.opponentRange = range.value;
        o.rangeText = *vs;
    }
    const bool exact = args.flag("--exact");
    const auto trials = args.value("--trials");
    const auto seconds = args.value("--seconds");
    if (exact + trials.has_value() + seconds.has_value() > 1)
        throw UsageError{"--exact, --trials and --seconds go one at a time"};
    if (exact)
        request.method = odds::EquityMethod::Exact;
    if (trials) {
        if (!isWholeNumber(*trials) || trials->find_first_not_of('0') == std::string::npos)
            throw UsageError{"--trials \"" + *trials + "\" is not a whole number of trials"};
        const auto count = wholeNumber(*trials, kMostTrials);
        if (!count)
            throw UsageError{"--trials \"" + *trials + "\" is more than " + std::to_string(kMostTrials) + " trials"};
        request.trials = *count;
        request.method = odds::EquityMethod::MonteCarlo;
    }
    if (seconds) {
        const auto [end, ec] = std::from_chars(seconds->data(), seconds->data() + seconds->size(), request.seconds);
        if (ec != std::errc{} || end != seconds->data() + seconds->size() || !(request.seconds > 0)
            || request.seconds > 86400)
            throw UsageError{"--seconds \"" + *seconds + "\" is not a number of seconds up to a day"};
        request.method = odds::EquityMethod::MonteCarlo;
    }
    if (const auto seed = args.value("--seed")) {
        const auto n = wholeNumber(*seed, kLargestSeed);
        if (!n)
            throw UsageError{"--seed \"" + *seed + "\" is not a whole number from 0 to " + std::to_string(kLargestSeed)};
        request.seed = *n;
    } else {
        request.seed = clockSeed();
    }
    o.format = textOrJson(args);
    return Asked::Work;
}

int equity(const EquityOptions& o)
{
    const odds::EquityRequest& request = o.request;
    const odds::EquityResult r = odds::computeEquity(request);
    if (r.status == odds::EquityStatus::Invalid)
        return usageError("equity: " + r.error);
    const bool exact = r.method == odds::EquityMethod::Exact;

    if (o.format == TextOrJson::Json) {
        JsonWriter json;
        json.beginObject()
            .member("hand", request.hand.text())
            .member("board", compact(request.board))
            .member("dead", request.dead.text())
            .memberInteger("opponents", static_cast<std::uint64_t>(request.opponents))
            .key("range");
        if (request.opponentRange)
            json.string(o.rangeText);
        else
            json.null();
        json.member("method", exact ? "exact" : "monte-carlo").key("seed");
        if (exact)
            json.null();
        else
            json.integer(request.seed);
        json.memberInteger("deals", r.deals)
            .memberReal("win", r.win)
            .memberReal("tie", r.tie)
            .memberReal("equity", r.equity)
            .memberReal("standardError", r.standardError)
            .memberReal("seconds", r.seconds)
            .endObject();
        write(json.text() + "\n");
        return 0;
    }
    const std::string against = request.opponentRange
        ? "the range " + o.rangeText
        : std::to_string(request.opponents) + (request.opponents == 1 ? " random hand" : " random hands");
    std::string out;
    out += "Hand:     " + request.hand.text() + "\n";
    out += "Board:    " + (request.board.empty() ? std::string("none") : spaced(request.board)) + "\n";
    if (!request.dead.empty())
        out += "Dead:     " + request.dead.text() + "\n";
    out += "Against:  " + against + "\n";
    out += "Win:      " + percent(r.win) + "\n";
    out += "Tie:      " + percent(r.tie) + "\n";
    out += "Equity:   " + percent(r.equity);
    if (!exact)
        out += " (standard error " + percent(r.standardError) + ")";
    out += "\n";
    out += "Counted:  " + std::to_string(r.deals) + (exact ? " deals, every one" : " random deals") + "\n";
    write(out);
    return 0;
}

} // namespace

int equityCommand(int argc, char** argv)
{
    return runCommand<EquityOptions>("equity", usage, argc, argv, readOptions, equity);
}

void readEquityArguments(int argc, char** argv)
{
    EquityOptions o;
    readOptions(argc, argv, o);
}

} // namespace cli

