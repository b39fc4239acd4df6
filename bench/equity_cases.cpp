// Times the equity cases the calculator is compared by, one process per
// case, so that a script can set the same thread count for any calculator
// it runs beside this one.
//
// Usage: equity_cases CASE THREADS RUNS
// Prints "CASE SECONDS-PER-RUN DEALS-PER-RUN EQUITY-OF-THE-FIRST-PLAYER
// CPU-SECONDS-PER-RUN" (the processor time of all threads: on a busy machine
// it moves less than the clock).
// Cases: aa-kk (exact, every combination of AA against KK), flop (exact,
// AhKh against "QQ+, AK" against "22+, A2s+, KTs+" on Qh7s2d), mc3 (Monte
// Carlo to a standard error of 0.1 %, "QQ+, AKs" against "TT-77, AQs-ATs"
// against random), mc6 (Monte Carlo, 2,000,000 deals of six random hands),
// cmd (exact, AhAs against KdKc).

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "bench/PlayersRequest.h"
#include "engine/odds/Equity.h"
#include "engine/odds/HandEvaluator.h"

namespace {

using namespace engine::cards;
using namespace engine::odds;

bool requestFor(std::string_view name, EquityRequest& r)
{
    if (name == "aa-kk") {
        r = playersRequest({"AA", "KK"}, "", EquityMethod::Exact);
    } else if (name == "flop") {
        r = playersRequest({"AhKh", "QQ+, AK", "22+, A2s+, KTs+"}, "Qh7s2d", EquityMethod::Exact);
    } else if (name == "mc3") {
        r = playersRequest({"QQ+, AKs", "TT-77, AQs-ATs", "random"}, "", EquityMethod::MonteCarlo);
        r.targetStandardError = 0.001;
    } else if (name == "mc6") {
        r = playersRequest({"random", "random", "random", "random", "random", "random"}, "", EquityMethod::MonteCarlo);
        r.trials = 2'000'000;
    } else if (name == "cmd") {
        r.hand = parseHoleCards("AhAs").value;
        r.opponentRange = parseRange("KdKc").value;
        r.method = EquityMethod::Exact;
    } else {
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: equity_cases aa-kk|flop|mc3|mc6|cmd THREADS RUNS\n");
        return 2;
    }
    EquityRequest request;
    if (!requestFor(argv[1], request)) {
        std::fprintf(stderr, "equity_cases: no case named %s\n", argv[1]);
        return 2;
    }
    request.threads = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    const long runs = std::max(1L, std::strtol(argv[3], nullptr, 10));
    // The evaluator's tables are built before the clock starts: start-up is
    // timed by the command case, process start to answer.
    const HandEvaluator tablesBuilt;
    double seconds = 0.0;
    const std::clock_t cpuStart = std::clock();
    std::uint64_t deals = 0;
    double equity = 0.0;
    for (long i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const EquityResult result = computeEquity(request);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (result.status != EquityStatus::Done) {
            std::fprintf(stderr, "equity_cases: %s\n", result.error.c_str());
            return 1;
        }
        deals += result.deals;
        equity = result.equity;
    }
    const double cpu = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    std::printf("%s %.6f %llu %.6f %.6f\n", argv[1], seconds / static_cast<double>(runs),
                static_cast<unsigned long long>(deals / static_cast<std::uint64_t>(runs)), equity,
                cpu / static_cast<double>(runs));
    return 0;
}
