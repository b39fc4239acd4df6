// The equity request on one thread with few trials. The input is up to five
// lines: the hand, the board, the dead cards, the opponents (a number, or a
// range held by one opponent) and the method with a trial count ("e" exact,
// "m" Monte Carlo, otherwise automatic; "m300"). Exact runs only where the
// enumeration is small.
//
// A request is answered exactly when it makes sense. An answer's shares lie
// in [0, 1], win plus tie is at most 1, and the equity lies between the win
// share and win plus tie; heads-up, a tie is half the pot. Monte Carlo plays
// the trials asked; an exact count covers every deal, and a hand against one
// other hand wins exactly where that hand loses.
//
// A first line holding "|" asks for several players instead, each "random",
// two cards or a range, separated by "|": the other lines keep their
// meaning (the fourth is not read). A request with fewer than two or more than
// ten players is refused; an answer gives every player shares in [0, 1] whose
// equities add up to one pot, and an exact count is only made where cheap.

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cards/CardParser.h"
#include "engine/odds/Equity.h"
#include "engine/odds/ExactEquity.h"
#include "engine/odds/PlayersExact.h"
#include "engine/odds/PlayersSetup.h"
#include "fuzz/FuzzCheck.h"

namespace {

using engine::cards::Card;
using engine::cards::CardSet;
using engine::odds::EquityMethod;
using engine::odds::EquityRequest;
using engine::odds::EquityResult;
using engine::odds::EquityStatus;

constexpr std::uint64_t kMaxTrials = 512;
// Exact runs only when it evaluates about this many hands or fewer.
constexpr double kMaxExactEvaluations = 20000;
constexpr double kSlack = 1e-9;

std::vector<std::string_view> lines(std::string_view text, std::size_t count)
{
    std::vector<std::string_view> out;
    while (out.size() + 1 < count) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos)
            break;
        out.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    out.push_back(text);
    out.resize(count);
    return out;
}

std::optional<int> smallNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.size() > 3)
        return std::nullopt;
    return value;
}

CardSet setOf(const std::vector<Card>& cards)
{
    CardSet set;
    for (const Card c : cards)
        set.insert(c);
    return set;
}

double choose(int n, int k)
{
    return engine::odds::choose(n, k);
}

// The deals an exact count covers: every board still to come, and for each
// every hand (every ordered tuple of hands) the opponents may hold.
double exactDeals(const EquityRequest& r, CardSet known)
{
    const int unseen = engine::cards::kCardCount - known.size();
    const int missing = 5 - static_cast<int>(r.board.size());
    if (r.opponentRange) {
        double possible = 0;
        for (const auto& combo : r.opponentRange->combos())
            possible += combo.set().intersects(known) ? 0 : 1;
        return possible * choose(unseen - 2, missing);
    }
    double deals = choose(unseen, missing);
    for (int k = 0; k < r.opponents; ++k)
        deals *= choose(unseen - missing - 2 * k, 2);
    return deals;
}

double exactEvaluations(const EquityRequest& r, CardSet known)
{
    const int unseen = engine::cards::kCardCount - known.size();
    const int missing = 5 - static_cast<int>(r.board.size());
    const double boards = choose(unseen, missing);
    if (r.opponentRange)
        return boards * (1.0 + static_cast<double>(r.opponentRange->combos().size()));
    return r.opponents <= 2 ? boards * (1.0 + choose(unseen - missing, 2)) : 1e300;
}

bool answerable(const EquityRequest& r)
{
    const CardSet hand = r.hand.set(), board = setOf(r.board);
    if (r.board.size() > 5 || board.size() != static_cast<int>(r.board.size()) || hand.intersects(board) ||
        hand.intersects(r.dead) || board.intersects(r.dead))
        return false;
    const CardSet known = hand | board | r.dead;
    if (r.opponentRange) {
        bool possible = false;
        for (const auto& combo : r.opponentRange->combos())
            possible = possible || !combo.set().intersects(known);
        if (!possible)
            return false;
    } else if (r.opponents < 1 || r.opponents > 9) {
        return false;
    }
    const int missing = 5 - static_cast<int>(r.board.size());
    return engine::cards::kCardCount - known.size() >= missing + 2 * r.opponents;
}

void checkShares(const EquityRequest& request, const EquityResult& r)
{
    fuzzCheck(r.error.empty(), "an answer has no error");
    fuzzCheck(r.deals > 0, "an answer counts deals");
    for (const double share : {r.win, r.tie, r.equity})
        fuzzCheck(std::isfinite(share) && share >= 0.0 && share <= 1.0, "shares lie in [0, 1]");
    fuzzCheck(r.win + r.tie <= 1.0 + kSlack, "win plus tie is at most 1");
    fuzzCheck(r.equity >= r.win - kSlack && r.equity <= r.win + r.tie + kSlack,
              "the equity lies between the wins and the wins and ties");
    // With k others tied the hero takes 1/(k+1) of the pot, k at most 9.
    fuzzCheck(r.equity >= r.win + r.tie / 10.0 - kSlack, "a tie takes at least a tenth of the pot");
    if (request.opponents == 1)
        fuzzCheck(std::fabs(r.equity - (r.win + r.tie / 2.0)) <= kSlack, "heads-up a tie is half the pot");
    fuzzCheck(std::isfinite(r.standardError) && r.standardError >= 0.0, "the standard error is a size");
    if (r.method == EquityMethod::Exact)
        fuzzCheck(r.standardError == 0.0, "an exact count has no standard error");
}

// The opponent's one hand against the hero's, on the same cards.
void checkMirror(const EquityRequest& request, const EquityResult& result)
{
    EquityRequest mirror = request;
    mirror.hand = request.opponentRange->combos().front();
    mirror.opponentRange = engine::cards::Range();
    mirror.opponentRange->add(request.hand);
    const EquityResult other = engine::odds::computeEquity(mirror);
    fuzzCheck(other.status == EquityStatus::Done && other.deals == result.deals, "the mirror counts the same deals");
    const auto wins = static_cast<std::uint64_t>(std::llround(result.win * static_cast<double>(result.deals)));
    const auto ties = static_cast<std::uint64_t>(std::llround(result.tie * static_cast<double>(result.deals)));
    const auto otherWins = static_cast<std::uint64_t>(std::llround(other.win * static_cast<double>(other.deals)));
    const auto otherTies = static_cast<std::uint64_t>(std::llround(other.tie * static_cast<double>(other.deals)));
    fuzzCheck(ties == otherTies, "both hands tie the same deals");
    fuzzCheck(wins + ties + otherWins == result.deals, "a hand wins where the other loses");
}

// The multi-player form: players on the first line, separated by "|".
int fuzzPlayers(std::string_view input, const std::vector<std::string_view>& line)
{
    const auto board = engine::cards::parseCards(line[1]);
    const auto dead = engine::cards::parseCards(line[2]);
    if (!board.ok() || !dead.ok())
        return 0;
    EquityRequest request;
    request.board = board.value;
    request.dead = setOf(dead.value);
    request.threads = 1;
    request.seed = std::hash<std::string_view>()(input);
    std::string_view rest = line[0];
    for (;;) {
        const std::size_t bar = rest.find('|');
        const std::string_view text = rest.substr(0, bar);
        if (text == "random") {
            request.players.push_back(engine::odds::PlayerHolding::random());
        } else if (const auto hand = engine::cards::parseHoleCards(text); hand.ok()) {
            request.players.push_back(engine::odds::PlayerHolding::ofHand(hand.value));
        } else {
            auto range = engine::cards::parseRange(text);
            if (!range.ok())
                return 0;
            request.players.push_back(engine::odds::PlayerHolding::ofRange(std::move(range.value)));
        }
        if (bar == std::string_view::npos || request.players.size() > 12)
            break;
        rest.remove_prefix(bar + 1);
    }
    const std::string_view how = line[4];
    const auto trials = smallNumber(how.substr(how.empty() ? 0 : 1));
    request.trials = 1 + static_cast<std::uint64_t>(trials.value_or(0)) % kMaxTrials;
    request.method = EquityMethod::MonteCarlo;
    const auto setup = engine::odds::makePlayersSetup(request);
    if (!how.empty() && how[0] == 'e' && setup.ok() &&
        engine::odds::PlayersExact(setup.value).seconds() * 150e6 <= kMaxExactEvaluations) {
        request.method = EquityMethod::Exact;
        request.trials = 0;
    }

    const EquityResult result = engine::odds::computeEquity(request);
    const std::size_t count = request.players.size();
    if (count < 2 || count > 10)
        fuzzCheck(result.status == EquityStatus::Invalid, "fewer than two or more than ten players are refused");
    if (result.status == EquityStatus::Invalid) {
        // Beyond what the setup finds, random deals refuse ranges that
        // fit together too rarely to be dealt (or never, where the setup's
        // search for a fit gave up before it could tell).
        const bool tooRare =
            setup.ok() && result.error.starts_with("the players' ranges almost never fit together");
        fuzzCheck((tooRare || (!setup.ok() && result.error == setup.error)) && result.deals == 0,
                  "a refused request gives the reason its setup found");
        return 0;
    }
    fuzzCheck(setup.ok() && result.status == EquityStatus::Done, "a request its setup accepts is answered");
    fuzzCheck(result.players.size() == count && result.deals > 0, "an answer counts deals for every player");
    double pots = 0.0;
    for (const auto& p : result.players) {
        for (const double share : {p.win, p.tie, p.equity})
            fuzzCheck(std::isfinite(share) && share >= -kSlack && share <= 1.0 + kSlack, "shares lie in [0, 1]");
        fuzzCheck(p.win + p.tie <= 1.0 + kSlack, "win plus tie is at most 1");
        fuzzCheck(p.equity >= p.win - kSlack && p.equity <= p.win + p.tie + kSlack,
                  "the equity lies between the wins and the wins and ties");
        pots += p.equity;
    }
    fuzzCheck(std::fabs(pots - 1.0) <= 1e-6, "the players' equities add up to one pot");
    if (result.method == EquityMethod::MonteCarlo)
        fuzzCheck(result.deals == request.trials, "Monte Carlo plays the trials asked");
    return 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto line = lines(input, 5);
    if (line[0].find('|') != std::string_view::npos)
        return fuzzPlayers(input, line);
    const auto hand = engine::cards::parseHoleCards(line[0]);
    const auto board = engine::cards::parseCards(line[1]);
    const auto dead = engine::cards::parseCards(line[2]);
    if (!hand.ok() || !board.ok() || !dead.ok())
        return 0;

    EquityRequest request;
    request.hand = hand.value;
    request.board = board.value;
    request.dead = setOf(dead.value);
    request.threads = 1;
    request.seed = std::hash<std::string_view>()(input);
    if (const auto opponents = smallNumber(line[3])) {
        request.opponents = *opponents;
    } else {
        auto range = engine::cards::parseRange(line[3]);
        if (!range.ok())
            return 0;
        request.opponentRange = std::move(range.value);
    }
    const std::string_view how = line[4];
    const char method = how.empty() ? 'a' : how[0];
    const auto trials = smallNumber(how.substr(how.empty() ? 0 : 1));
    request.trials = 1 + static_cast<std::uint64_t>(trials.value_or(0)) % kMaxTrials;

    const bool sensible = answerable(request);
    const CardSet known = request.hand.set() | setOf(request.board) | request.dead;
    const bool exact = method == 'e' && sensible && exactEvaluations(request, known) <= kMaxExactEvaluations;
    request.method = exact ? EquityMethod::Exact : method == 'm' ? EquityMethod::MonteCarlo : EquityMethod::Automatic;

    const EquityResult result = engine::odds::computeEquity(request);
    if (!sensible) {
        fuzzCheck(result.status == EquityStatus::Invalid && !result.error.empty() && result.deals == 0,
                  "a request that makes no sense is refused with a reason");
        return 0;
    }
    fuzzCheck(result.status == EquityStatus::Done, "a sensible request is answered");
    checkShares(request, result);
    if (!exact) {
        fuzzCheck(result.method == EquityMethod::MonteCarlo, "a trial count plays Monte Carlo");
        fuzzCheck(result.deals == request.trials, "Monte Carlo plays the trials asked");
        return 0;
    }
    fuzzCheck(result.method == EquityMethod::Exact, "an exact request counts exactly");
    fuzzCheck(static_cast<double>(result.deals) == exactDeals(request, known), "an exact count covers every deal");
    if (request.opponentRange && request.opponentRange->combos().size() == 1)
        checkMirror(request, result);
    return 0;
}
