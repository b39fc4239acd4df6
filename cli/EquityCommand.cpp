// `tablewise equity`: the odds of a hand against random hands or a range, or
// of several players, each holding a hand, a range or a random hand.

#include <charconv>
#include <cstdint>
#include <optional>
#include <algorithm>
#include <string_view>
#include <vector>
#include <string>

#include "cli/Args.h"
#include "cli/ArgumentReaders.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonWriter.h"
#include "cli/OutputFormat.h"
#include "cli/SeedOption.h"
#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "engine/odds/Equity.h"

namespace cli {

namespace {

using namespace engine;

constexpr const char* kUsage = R"(Usage: tablewise equity HAND [--board CARDS] [-n N | --vs RANGE] [-d CARDS] [--exact | --trials N | --seconds S] [--seed N] [-f text|json]
       tablewise equity PLAYER PLAYER [PLAYER...] [--board CARDS] [-d CARDS] [--exact | --trials N | --seconds S] [--seed N] [-f text|json]

Shows the equity of a hand: how often it wins, how often it ties, and its
share of the pot over all deals of the cards still to come. Given two to ten
players, shows each player's: a PLAYER is two cards ("AhKh"), a range
("QQ+, AKs", "AKs:0.5" for a hand held half the time) or "random". Hands
of ranges that share a card are never dealt together.

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
the standard error of the equity (of every player's) is 0.1% or less. Cards are written higher
rank first, and cards of one rank spades, hearts, diamonds, clubs: AsAh.
)";

// More trials than this would take days; the count must also stay far from
// where splitting it into batches could overflow.
constexpr std::uint64_t kMostTrials = 1'000'000'000'000;

struct EquityOptions {
    odds::EquityRequest request;
    std::string rangeText;
    std::vector<std::string> playerTexts;  // the multi-player form, as given
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

void readCards(const std::optional<std::string>& typed, std::string_view option, std::vector<cards::Card>& into)
{
    if (!typed)
        return;
    const auto parsed = cards::parseCards(*typed);
    if (!parsed.ok())
        throw UsageError{std::string(option) + ": " + parsed.error};
    into = parsed.value;
}

bool isRandom(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    constexpr std::string_view kRandom = "random";
    return text.size() == kRandom.size() &&
           std::equal(text.begin(), text.end(), kRandom.begin(),
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b; });
}

// A player of the multi-player form: "random", two cards, or a range.
odds::PlayerHolding readPlayer(const std::string& text, std::size_t index)
{
    if (isRandom(text))
        return odds::PlayerHolding::random();
    const auto hand = cards::parseHoleCards(text);
    if (hand.ok())
        return odds::PlayerHolding::ofHand(hand.value);
    const auto range = cards::parseRange(text);
    if (!range.ok())
        throw UsageError{"player " + std::to_string(index + 1) + ": " + range.error};
    return odds::PlayerHolding::ofRange(range.value);
}

void readPlayers(const Args& args, EquityOptions& o)
{
    const auto& given = args.positional();
    if (given.size() > static_cast<std::size_t>(odds::kMaxPlayers))
        throw UsageError{"equity takes at most " + std::to_string(odds::kMaxPlayers) + " players, not " +
                         std::to_string(given.size())};
    if (args.value("--opponents") || args.value("--vs"))
        throw UsageError{"--opponents and --vs belong to the one-hand form; with several players give each one's "
                         "hand, range or \"random\""};
    for (std::size_t i = 0; i < given.size(); ++i) {
        o.request.players.push_back(readPlayer(given[i], i));
        o.playerTexts.push_back(given[i]);
    }
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
    if (args.positional().size() >= 2) {
        readPlayers(args, o);
    } else {
        const auto hand = cards::parseHoleCards(args.positional({"HAND"}).front());
        if (!hand.ok())
            throw UsageError{"HAND: " + hand.error};
        request.hand = hand.value;
    }
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
    request.seed = seedOption(args);
    o.format = textOrJson(args);
    return Asked::Work;
}

int playersEquity(const EquityOptions& o, const odds::EquityResult& r)
{
    const odds::EquityRequest& request = o.request;
    const bool exact = r.method == odds::EquityMethod::Exact;
    if (o.format == TextOrJson::Json) {
        JsonWriter json;
        json.beginObject()
            .member("board", compact(request.board))
            .member("dead", request.dead.text())
            .key("players")
            .beginArray();
        for (std::size_t p = 0; p < r.players.size(); ++p) {
            json.beginObject()
                .member("holds", o.playerTexts[p])
                .memberReal("win", r.players[p].win)
                .memberReal("tie", r.players[p].tie)
                .memberReal("equity", r.players[p].equity)
                .memberReal("standardError", r.players[p].standardError)
                .endObject();
        }
        json.endArray().member("method", exact ? "exact" : "monte-carlo").key("seed");
        if (exact)
            json.null();
        else
            json.integer(request.seed);
        json.memberInteger("deals", r.deals).memberReal("seconds", r.seconds).endObject();
        write(json.text() + "\n");
        return 0;
    }
    std::size_t width = 0;
    for (const std::string& t : o.playerTexts)
        width = std::max(width, t.size());
    std::string out;
    out += "Board:    " + (request.board.empty() ? std::string("none") : spaced(request.board)) + "\n";
    if (!request.dead.empty())
        out += "Dead:     " + request.dead.text() + "\n";
    for (std::size_t p = 0; p < r.players.size(); ++p) {
        const odds::PlayerEquity& e = r.players[p];
        const std::string number = std::to_string(p + 1);
        out += "Player " + number + ":" + std::string(p + 1 < 10 ? 2 : 1, ' ') + o.playerTexts[p] +
               std::string(width - o.playerTexts[p].size(), ' ') + "  win " + percent(e.win) + "  tie " +
               percent(e.tie) + "  equity " + percent(e.equity);
        if (!exact)
            out += " (standard error " + percent(e.standardError) + ")";
        out += "\n";
    }
    out += "Counted:  " + std::to_string(r.deals) + (exact ? " deals, every one" : " random deals") + "\n";
    write(out);
    return 0;
}

int equity(const EquityOptions& o)
{
    const odds::EquityRequest& request = o.request;
    const odds::EquityResult r = odds::computeEquity(request);
    if (r.status == odds::EquityStatus::Invalid)
        return usageError("equity: " + r.error);
    if (!request.players.empty())
        return playersEquity(o, r);
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

