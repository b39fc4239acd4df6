// `tablewise equity`: the odds of a hand against random hands or a range.

#include <charconv>
#include <optional>
#include <string>

#include "cli/Args.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/JsonText.h"
#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "engine/odds/Equity.h"

namespace cli {

namespace {

using namespace engine;

constexpr const char* kUsage = R"(Usage: tablewise equity HAND [-b CARDS] [-n N | --vs RANGE] [-d CARDS] [--exact | --trials N | --seconds S] [-f text|json]

Shows the equity of a hand: how often it wins, how often it ties, and its
share of the pot over all deals of the cards still to come.

  HAND                two cards with their suits: AhKh, "10s 10d", "A♠K♠"
  -b, --board CARDS   the board cards known, 0 to 5: "Qh Jh 2c"
  -n, --opponents N   opponents holding random hands, 1 to 9 (default 1)
  --vs RANGE          one opponent holding a hand of RANGE: "QQ+, AKs, AQo+",
                      "22+", "A5s-A2s", "KhKs", "random"
  -d, --dead CARDS    cards known to be out of play
  --exact             count every deal, however long it takes
  --trials N          deal N random deals (Monte Carlo)
  --seconds S         deal random deals for S seconds (Monte Carlo)
  -f, --format        text (default) or json
Without --exact, --trials or --seconds every deal is counted when that takes
about 0.2 seconds or less on one core; otherwise random deals are dealt until
the standard error of the equity is 0.1% or less.
)";

enum class Format { Text, Json };

std::string percent(double share)
{
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, share * 100.0, std::chars_format::fixed, 2).ptr;
    return std::string(buf, end) + "%";
}

std::string number(double value)
{
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
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

} // namespace

int equityCommand(int argc, char** argv)
{
    static const Choices<Format> formats{{"text", Format::Text}, {"json", Format::Json}};
    odds::EquityRequest request;
    std::string rangeText;
    Format format = Format::Text;
    try {
        const Args args(argc, argv, 2,
                        {{"--board", 'b', true}, {"--opponents", 'n', true}, {"--vs", 0, true}, {"--dead", 'd', true},
                         {"--exact", 0}, {"--trials", 0, true}, {"--seconds", 0, true}, {"--format", 'f', true},
                         {"--help", 'h'}});
        if (args.flag("--help")) {
            write(kUsage);
            return 0;
        }
        const auto hand = cards::parseHoleCards(args.positional({"HAND"}).front());
        if (!hand.ok())
            return usageError("equity: HAND: " + hand.error);
        request.hand = hand.value;
        if (const auto board = args.value("--board")) {
            const auto cards = cards::parseCards(*board);
            if (!cards.ok())
                return usageError("equity: --board: " + cards.error);
            request.board = cards.value;
        }
        if (const auto dead = args.value("--dead")) {
            const auto cards = cards::parseCards(*dead);
            if (!cards.ok())
                return usageError("equity: --dead: " + cards.error);
            for (const cards::Card c : cards.value)
                request.dead.insert(c);
        }
        const auto opponents = args.value("--opponents");
        const auto vs = args.value("--vs");
        if (opponents && vs)
            return usageError("equity: --opponents and --vs go apart: a range is one opponent's");
        if (opponents) {
            if (!isWholeNumber(*opponents) || opponents->size() > 1 || *opponents == "0")
                return usageError("equity: --opponents \"" + *opponents + "\" is not a number from 1 to 9");
            request.opponents = (*opponents)[0] - '0';
        }
        if (vs) {
            const auto range = cards::parseRange(*vs);
            if (!range.ok())
                return usageError("equity: --vs: " + range.error);
            request.opponentRange = range.value;
            rangeText = *vs;
        }
        const bool exact = args.flag("--exact");
        const auto trials = args.value("--trials");
        const auto seconds = args.value("--seconds");
        if (exact + trials.has_value() + seconds.has_value() > 1)
            return usageError("equity: --exact, --trials and --seconds go one at a time");
        if (exact)
            request.method = odds::EquityMethod::Exact;
        if (trials) {
            const auto [end, ec] = std::from_chars(trials->data(), trials->data() + trials->size(), request.trials);
            if (!isWholeNumber(*trials) || ec != std::errc{} || end != trials->data() + trials->size()
                || request.trials == 0)
                return usageError("equity: --trials \"" + *trials + "\" is not a whole number of trials");
            request.method = odds::EquityMethod::MonteCarlo;
        }
        if (seconds) {
            const auto [end, ec] = std::from_chars(seconds->data(), seconds->data() + seconds->size(), request.seconds);
            if (ec != std::errc{} || end != seconds->data() + seconds->size() || !(request.seconds > 0)
                || request.seconds > 86400)
                return usageError("equity: --seconds \"" + *seconds + "\" is not a number of seconds up to a day");
            request.method = odds::EquityMethod::MonteCarlo;
        }
        format = chosen(args, "--format", formats).value_or(Format::Text);
    } catch (const UsageError& e) {
        return usageError("equity: " + e.message);
    }

    const odds::EquityResult r = odds::computeEquity(request);
    if (r.status == odds::EquityStatus::Invalid)
        return usageError("equity: " + r.error);
    const bool exact = r.method == odds::EquityMethod::Exact;
    const std::string against = request.opponentRange
        ? "the range " + rangeText
        : std::to_string(request.opponents) + (request.opponents == 1 ? " random hand" : " random hands");

    std::string out;
    if (format == Format::Json) {
        out += "{\"hand\":";
        appendJsonString(out, request.hand.text());
        out += ",\"board\":";
        appendJsonString(out, compact(request.board));
        out += ",\"dead\":";
        appendJsonString(out, request.dead.text());
        out += ",\"opponents\":" + std::to_string(request.opponents) + ",\"range\":";
        if (request.opponentRange)
            appendJsonString(out, rangeText);
        else
            out += "null";
        out += ",\"method\":";
        appendJsonString(out, exact ? "exact" : "monte-carlo");
        out += ",\"deals\":" + std::to_string(r.deals) + ",\"win\":" + number(r.win) + ",\"tie\":" + number(r.tie)
            + ",\"equity\":" + number(r.equity) + ",\"standardError\":" + number(r.standardError)
            + ",\"seconds\":" + number(r.seconds) + "}\n";
    } else {
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
    }
    write(out);
    return 0;
}

} // namespace cli
