#include "engine/board/ClassBreakdown.h"

#include <array>
#include <cmath>
#include <string>

#include "engine/Hand.h"
#include "engine/board/RangeWeight.h"
#include "engine/cards/CardChecks.h"
#include "engine/cards/HandClass.h"
#include "engine/odds/Equity.h"

namespace engine::board {

namespace {

std::string requestProblem(const ClassBreakdownRequest& request, cards::CardSet& known)
{
    const cards::Parsed<cards::CardSet> onBoard = cards::boardCards(request.board);
    if (!onBoard.ok())
        return onBoard.error;
    const std::size_t n = request.board.size();
    if (n == 1 || n == 2 || n > 5)
        return "the board has " + std::to_string(n) + " cards; it takes 0, 3, 4 or 5";
    std::string problem = cards::holeCardsProblem(request.hand);
    if (problem.empty())
        problem = cards::sharedCard(request.hand.set(), onBoard.value, "in the hand and on the board");
    if (problem.empty())
        problem = cards::sharedCard(request.hand.set(), request.dead, "in the hand and among the dead cards");
    if (problem.empty())
        problem = cards::sharedCard(onBoard.value, request.dead, "on the board and among the dead cards");
    known = request.hand.set() | onBoard.value | request.dead;
    return problem;
}

} // namespace

ClassBreakdown breakdownByClass(const ClassBreakdownRequest& request, std::stop_token stop,
                                const BreakdownProgress& progress)
{
    ClassBreakdown result;
    cards::CardSet known;
    result.error = requestProblem(request, known);
    if (!result.error.empty()) {
        result.status = odds::EquityStatus::Invalid;
        return result;
    }

    // On the heap: a range holds a table of every combination.
    std::vector<cards::Range> byClass(kHandCount);
    std::array<bool, kHandCount> present{};
    const auto& combos = request.range.combos();
    for (std::size_t i = 0; i < combos.size(); ++i) {
        if (combos[i].set().intersects(known))
            continue;
        const int c = cards::handClassOf(combos[i]);
        byClass[static_cast<std::size_t>(c)].add(combos[i], request.range.weights()[i]);
        present[static_cast<std::size_t>(c)] = true;
    }
    int classCount = 0;
    for (bool p : present)
        classCount += p ? 1 : 0;
    if (classCount == 0) {
        result.status = odds::EquityStatus::Invalid;
        result.error = "no hand of the range is possible with these cards";
        return result;
    }

    const bool preflop = request.board.empty();
    result.method = preflop ? odds::EquityMethod::MonteCarlo : odds::EquityMethod::Exact;
    double variance = 0.0;
    int done = 0;
    for (int c = 0; c < kHandCount; ++c) {
        if (!present[static_cast<std::size_t>(c)])
            continue;
        if (stop.stop_requested()) {
            result.status = odds::EquityStatus::Cancelled;
            break;
        }
        odds::EquityRequest part;
        part.hand = request.hand;
        part.board = request.board;
        part.dead = request.dead;
        part.opponentRange = byClass[static_cast<std::size_t>(c)];
        part.method = result.method;
        part.trials = preflop ? request.preflopTrials : 0;
        part.seed = request.seed + static_cast<std::uint64_t>(c);
        part.threads = request.threads;
        const odds::EquityResult r = odds::computeEquity(part, stop);
        if (r.status == odds::EquityStatus::Invalid) {
            result.status = r.status;
            result.error = r.error;
            return result;
        }
        if (r.status == odds::EquityStatus::Cancelled) {
            result.status = odds::EquityStatus::Cancelled;
            break;
        }
        const RangeWeight w = possibleWeight(*part.opponentRange, known);
        ClassEquity e;
        e.handClass = c;
        e.hand = std::string(handText(c));
        e.combos = w.combos;
        e.weight = w.weight;
        e.win = r.win;
        e.tie = r.tie;
        e.equity = r.equity;
        e.standardError = r.standardError;
        result.classes.push_back(e);

        result.combos += e.combos;
        result.weight += e.weight;
        result.win += e.weight * e.win;
        result.tie += e.weight * e.tie;
        result.equity += e.weight * e.equity;
        variance += e.weight * e.weight * e.standardError * e.standardError;
        ++done;
        if (progress)
            progress(static_cast<double>(done) / static_cast<double>(classCount));
    }
    if (result.weight > 0.0) {
        result.win /= result.weight;
        result.tie /= result.weight;
        result.equity /= result.weight;
        result.standardError = std::sqrt(variance) / result.weight;
    }
    return result;
}

} // namespace engine::board
