// The store: importing generated hands (read, graded and stored, one file of
// 20,000 hands into a new store), and the review's summary over 1,000,000
// stored decisions of one player.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "store/Database.h"
#include "store/HandStore.h"
#include "store/HandWriter.h"
#include "store/Transaction.h"
#include "tests/store/GeneratedHands.h"

namespace {

namespace fs = std::filesystem;

constexpr int kImportHands = 20000;
constexpr int kStoredDecisions = 1000000;

fs::path benchFolder()
{
    static const fs::path folder = [] {
        const fs::path f = fs::temp_directory_path() / ("tablewise-bench-store-" + std::to_string(::getpid()));
        fs::create_directories(f);
        return f;
    }();
    return folder;
}

void removeStore(const fs::path& db)
{
    for (const char* suffix : {"", "-wal", "-shm"})
        fs::remove(db.string() + suffix);
}

void importBenchmark(benchmark::State& state, const std::string& fileName, std::string (*hands)(std::uint64_t, int))
{
    const fs::path file = benchFolder() / fileName;
    std::ofstream(file, std::ios::binary) << hands(1, kImportHands);
    const fs::path db = benchFolder() / ("import-" + fileName + ".sqlite");
    for (auto _ : state) {
        state.PauseTiming();
        removeStore(db);
        auto store = std::make_unique<store::HandStore>(db);
        state.ResumeTiming();
        const auto report = store->importPaths({file});
        state.PauseTiming();
        if (report.handsNew != kImportHands)
            state.SkipWithError("not every hand was stored");
        store.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kImportHands);
    removeStore(db);
    fs::remove(file);
}

void BM_ImportRoomText(benchmark::State& state)
{
    importBenchmark(state, "hands.txt", storetest::roomTextHands);
}
BENCHMARK(BM_ImportRoomText)->Unit(benchmark::kMillisecond);

void BM_ImportPhh(benchmark::State& state)
{
    importBenchmark(state, "hands.phhs", storetest::phhHands);
}
BENCHMARK(BM_ImportPhh)->Unit(benchmark::kMillisecond);

// A store of kStoredDecisions decisions of "Hero", one a hand, written in one
// transaction: every situation, verdicts and nets varied.
const fs::path& millionDecisionStore()
{
    static const fs::path db = [] {
        const fs::path path = benchFolder() / "million.sqlite";
        removeStore(path);
        store::HandStore made(path);
        store::Database conn(path, store::Database::Access::ReadWrite);
        store::HandWriter writer(conn);
        store::Transaction transaction(conn);
        history::HandHistory hand;
        hand.site = "Bench";
        hand.bigBlind = 1;
        hand.players.resize(6);
        history::Decision d;
        d.player = "Hero";
        d.players = 6;
        d.seat = "CO";
        for (int i = 0; i < kStoredDecisions; ++i) {
            hand.handNumber = std::to_string(i);
            const auto id = writer.insertHand(hand, hand.handNumber, history::FileFormat::RoomText, std::nullopt);
            d.before = engine::kPreflopActions[static_cast<std::size_t>(i % 5)];
            d.position = i % 7 == 6 ? std::nullopt : std::optional(engine::kPositions[static_cast<std::size_t>(i % 4)]);
            d.verdict = static_cast<history::Verdict>(i % 4);
            d.netBB = i % 3 == 0 ? std::nullopt : std::optional((i % 41) - 20.0);
            writer.insertDecision(*id, d);
        }
        transaction.commit();
        return path;
    }();
    return db;
}

void BM_SummaryOfAMillionDecisions(benchmark::State& state)
{
    const store::HandStore hands(millionDecisionStore(), store::HandStore::Mode::ReadOnly);
    const std::optional<std::string> player = state.range(0) ? std::optional<std::string>("Hero") : std::nullopt;
    for (auto _ : state)
        benchmark::DoNotOptimize(hands.summary(player));
    state.SetItemsProcessed(state.iterations() * kStoredDecisions);
    state.SetLabel(player ? "one player" : "every player");
}
BENCHMARK(BM_SummaryOfAMillionDecisions)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(benchFolder());
    return 0;
}
