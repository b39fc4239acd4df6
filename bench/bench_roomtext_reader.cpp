// The room text reader over a generated file of 100,000 hands, as the import
// reads it: from disk in chunks, every hand given to a sink. Rates are per
// second of the reading thread's CPU time, the measure of one core's work.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "RoomTextSession.h"
#include "history/roomtext/RoomTextReader.h"

namespace {

class CountingSink : public history::HandSink {
public:
    void hand(const history::HandHistory& hand, std::string_view, std::uint64_t) override
    {
        actions += hand.actions.size();
        ++hands;
    }
    void problem(const history::ReadProblem& p, std::uint64_t) override
    {
        ++problems;
        if (firstProblem.empty())
            firstProblem = p.reason + " at line " + std::to_string(p.line);
    }
    std::uint64_t hands = 0;
    std::uint64_t actions = 0;
    std::uint64_t problems = 0;
    std::string firstProblem;
};

struct GeneratedFile {
    std::filesystem::path path;
    std::uint64_t bytes = 0;

    explicit GeneratedFile(int hands)
        : path(std::filesystem::temp_directory_path() / ("tablewise-roomtext-bench-" + std::to_string(hands) + ".txt"))
    {
        roomtextbench::SessionWriter writer(20201014);
        std::ofstream out(path, std::ios::binary);
        std::string text;
        for (int i = 0; i < hands; ++i) {
            writer.writeHand(text);
            if (text.size() > (1u << 20)) {
                out << text;
                bytes += text.size();
                text.clear();
            }
        }
        out << text;
        bytes += text.size();
    }
    ~GeneratedFile() { std::filesystem::remove(path); }
    GeneratedFile(const GeneratedFile&) = delete;
    GeneratedFile& operator=(const GeneratedFile&) = delete;
};

void BM_RoomTextReader(benchmark::State& state)
{
    static const GeneratedFile file(static_cast<int>(state.range(0)));
    std::uint64_t hands = 0;
    for (auto _ : state) {
        CountingSink sink;
        const history::ReadSummary summary = history::readRoomTextFile(file.path, sink, {});
        if (sink.problems != 0) {
            state.SkipWithError(("a generated hand was not read: " + sink.firstProblem).c_str());
            return;
        }
        hands += summary.hands;
        benchmark::DoNotOptimize(sink.actions);
    }
    state.counters["hands/s"] = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
    state.SetBytesProcessed(static_cast<std::int64_t>(file.bytes) * state.iterations());
}

} // namespace

BENCHMARK(BM_RoomTextReader)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
