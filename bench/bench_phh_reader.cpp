// The PHH reader end to end over a large .phhs: reading the file in chunks,
// splitting it into hands, toml++ on each, and building the hand model. The
// file is 50,000 hands, varied hands of the real data set and made-up ones
// (heads-up, a straddle, an all-in call), renumbered. BM_TomlOnly parses the
// same sections with toml++ alone, the bound for the reader.

#include <benchmark/benchmark.h>

#include <toml++/toml.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "history/phh/PhhReader.h"

namespace {

// Sections with a "[0]" header each, renumbered when written out.
constexpr std::string_view kHands = R"PHH([0]
variant = 'NT'
ante_trimming_status = false
antes = [0, 0, 0, 0, 0]
blinds_or_straddles = [0.50, 1, 0, 0, 0]
min_bet = 1
starting_stacks = [247.10, 14.60, 200, 96.50, 55.50]
actions = ['d dh p1 ????', 'd dh p2 ????', 'd dh p3 ????', 'd dh p4 ????', 'd dh p5 ????', 'p3 cc', 'p4 f', 'p5 f', 'p1 cc', 'p2 cc', 'd db 9s7h2c', 'p1 cc', 'p2 cc', 'p3 cc', 'd db 9d', 'p1 cc', 'p2 cc', 'p3 cc', 'd db 9c', 'p1 cc', 'p2 cc', 'p3 cc', 'p1 sm 8dAs', 'p2 sm ????', 'p3 sm ????']
venue = 'Absolute Poker'
time = 00:00:10
day = 1
month = 7
year = 2009
hand = 3017235188
seats = [5, 1, 2, 3, 4]
table = 'ALABAMA ST'
players = ['uwsIGbIB4ktlhz44JKQKDQ', 'ahN79dgDL8C99nHik5Up7Q', '9tEZRm6oI+e1Tz0x72b0vQ', 'AiiJXMM0CfYl69+Nq3jyfA', 's32h30cC3rPhG5FiSCU42g']
currency_symbol = '$'
time_zone_abbreviation = 'ET'

[0]
variant = 'NT'
ante_trimming_status = false
antes = [0, 0, 0, 0, 0, 0, 0, 0, 0]
blinds_or_straddles = [0.50, 1, 0, 0, 0, 0, 0, 0, 0]
min_bet = 1
starting_stacks = [28.70, 200.90, 69, 36.90, 74.30, 264, 58.15, 100, 94.75]
actions = ['d dh p1 ????', 'd dh p2 ????', 'd dh p3 ????', 'd dh p4 ????', 'd dh p5 ????', 'd dh p6 ????', 'd dh p7 ????', 'd dh p8 ????', 'd dh p9 ????', 'p3 f', 'p4 f', 'p5 cc', 'p6 f', 'p7 cc', 'p8 cc', 'p9 f', 'p1 cc', 'p2 cc', 'd db 3hThJh', 'p1 cc', 'p2 cc', 'p5 cbr 2', 'p7 cbr 6', 'p8 f', 'p1 f', 'p2 f', 'p5 cbr 17', 'p7 f']
venue = 'Absolute Poker'
time = 00:00:20
day = 1
month = 7
year = 2009
hand = 3017243048
seats = [3, 4, 5, 6, 7, 8, 9, 1, 2]
table = 'CORTEZ AVE'
players = ['ZpYc8/ksQYSNFEFIeiSSWw', 'ZQ13pknK/yulZJwcJYSmvw', 'GMdM9fVK5CwO/31pjnWvVw', '1b84VBN1xftLtjOgGMOFKQ', 'LHSEggf8hUg0kqvaCgiJcw', 'KX/0x8JtlabNJOZ7jkDHaw', 'YnmJng67aC1XXLmkUMV2Dw', 'w6qRl6TZmQuJka9XP2muNQ', 'kExuS3SxZYRG/oFTl97LzA']
winnings = [0, 0, 0, 0, 15.65, 0, 0, 0, 0]
currency_symbol = '$'
time_zone_abbreviation = 'ET'

[0]
variant = 'NT'
ante_trimming_status = false
antes = [0, 0, 0, 0, 0, 0, 0]
blinds_or_straddles = [0.50, 1, 0, 0, 0, 0, 0]
min_bet = 1
starting_stacks = [543.60, 248.16, 215.80, 128.25, 35.90, 98.50, 66]
actions = ['d dh p1 ????', 'd dh p2 ????', 'd dh p3 ????', 'd dh p4 ????', 'd dh p5 ????', 'd dh p6 ????', 'd dh p7 ????', 'p3 f', 'p4 f', 'p5 cc', 'p6 f', 'p7 cbr 3', 'p1 f', 'p2 f', 'p5 cc', 'd db 7c5d4h', 'p5 cc', 'p7 cc', 'd db 5s', 'p5 cc', 'p7 cbr 3', 'p5 cc', 'd db 8h', 'p5 cc', 'p7 cbr 5', 'p5 cc', 'p7 sm KsKc', 'p5 sm ????']
venue = 'Absolute Poker'
time = 00:00:21
day = 1
month = 7
year = 2009
hand = 3017249292
seats = [2, 3, 4, 7, 8, 9, 1]
table = 'GEORGIA HWY'
players = ['kExuS3SxZYRG/oFTl97LzA', 'KX/0x8JtlabNJOZ7jkDHaw', 'SLci9sHTuIkSI2tZEfLK2Q', 'CDetvT4g6S8jOSWgtzSf7g', 'vXwj8p1pA6ltLShUDXuk3w', 'w6qRl6TZmQuJka9XP2muNQ', 'kukN3pTqN1CyHqx/bq+8xw']
currency_symbol = '$'
time_zone_abbreviation = 'ET'

[0]
variant = 'NT'
ante_trimming_status = false
antes = [0.25, 0.25, 0.25, 0.25]
blinds_or_straddles = [0.50, 1, 0, 0]
min_bet = 1
starting_stacks = [53, 181.85, 200.30, 205.40]
actions = ['d dh p1 ????', 'd dh p2 ????', 'd dh p3 ????', 'd dh p4 ????', 'p3 cbr 2', 'p4 f', 'p1 f', 'p2 f']
venue = 'Absolute Poker'
time = 00:00:27
day = 1
month = 7
year = 2009
hand = 3017240558
seats = [4, 6, 2, 3]
table = 'ARKANSAS DR'
players = ['ebkJWWgIRi5IZnoKWk/H1Q', 'vegrtAAlLWP90Q2mjUEaVA', 'nstUS7JVxtRI4rEfziQnRw', 'vETYfpoA+FhBercnDPJrRw']
winnings = [0, 0, 3.50, 0]
currency_symbol = '$'
time_zone_abbreviation = 'ET'

[0]
variant = 'NT'
ante_trimming_status = false
antes = [0.25, 0.25, 0.25, 0.25]
blinds_or_straddles = [0.50, 1, 0, 0]
min_bet = 1
starting_stacks = [52.85, 130.79, 190.57, 226.05]
actions = ['d dh p1 ????', 'd dh p2 ????', 'd dh p3 ????', 'd dh p4 ????', 'p3 f', 'p4 f', 'p1 cbr 2.00', 'p2 cc', 'd db JcAdKd', 'p1 cc', 'p2 cbr 5', 'p1 cc', 'd db Jd', 'p1 cc', 'p2 cbr 15', 'p1 f']
venue = 'Absolute Poker'
time = 00:00:38
day = 1
month = 7
year = 2009
hand = 3017237312
seats = [5, 6, 3, 4]
table = 'BOSTON ST'
players = ['T2ajzRHKw9rbcdn8+iwiCw', 'bXfPLTrkNbaf0hIiTkE4Bw', 'UUZLGIYvajc7TdZla2bLDw', 'DeZAZcPNNQ5w+Wb+5ujZdA']
winnings = [0, 13.75, 0, 0]
currency_symbol = '$'
time_zone_abbreviation = 'ET'

[0]
variant = 'NT'
ante_trimming_status = false
antes = [0, 0, 0, 0, 0, 0, 0]
blinds_or_straddles = [0.50, 1, 0, 0, 0, 0, 0]
min_bet = 1
starting_stacks = [176.70, 196.95, 98.14, 94.95, 103.15, 404.75, 175.75]
actions = ['d dh p1 ????', 'd dh p2 ????', 'd dh p3 ????', 'd dh p4 ????', 'd dh p5 ????', 'd dh p6 ????', 'd dh p7 ????', 'p3 f', 'p4 cc', 'p5 f', 'p6 f', 'p7 cbr 3', 'p1 f', 'p2 cc', 'p4 cc', 'd db 4s6dTd', 'p2 cc', 'p4 cc', 'p7 cc', 'd db 4d', 'p2 cbr 4.75', 'p4 cc', 'p7 f', 'd db 9d', 'p2 cc', 'p4 cbr 13', 'p2 f']
venue = 'Absolute Poker'
time = 00:00:43
day = 1
month = 7
year = 2009
hand = 3017244650
seats = [7, 9, 1, 2, 3, 4, 6]
table = 'HIGH ST'
players = ['KX/0x8JtlabNJOZ7jkDHaw', 'f7RIFJUAtMWCb1loGcleJQ', 'kExuS3SxZYRG/oFTl97LzA', 'RkEkE0WBsi7nO4Pc5aJfnQ', 'w6qRl6TZmQuJka9XP2muNQ', 'CDetvT4g6S8jOSWgtzSf7g', 'GMdM9fVK5CwO/31pjnWvVw']
winnings = [0, 0, 0, 17.55, 0, 0, 0]
currency_symbol = '$'
time_zone_abbreviation = 'ET'

[0]
variant = 'NT'
antes = [0, 0]
blinds_or_straddles = [2, 1]
min_bet = 2
starting_stacks = [200, 150]
actions = ['d dh p1 AsKs', 'd dh p2 ????', 'p2 cbr 6', 'p1 cbr 18', 'p2 cc', 'd db 2c7dJh', 'p1 cbr 20', 'p2 cbr 132', 'p1 cc', 'd db Qs', 'd db 3d', 'p1 sm AsKs', 'p2 sm JdJc']
hand = 77
players = ['Hero', 'Villain']
finishing_stacks = [50, 300]

[0]
variant = 'NT'
antes = [0, 0, 0, 0, 0, 0]
blinds_or_straddles = [1, 2, 4, 0, 0, 0]
min_bet = 2
starting_stacks = [300, 250, 400, 120, 80, 500]
actions = ['d dh p1 ????', 'd dh p2 ????', 'd dh p3 ????', 'd dh p4 ????', 'd dh p5 ????', 'd dh p6 ????', 'p4 cbr 12', 'p5 f', 'p6 cc', 'p1 f', 'p2 f', 'p3 cc', 'd db 8h8d2s', 'p3 cc', 'p4 cbr 108', 'p6 cc', 'p3 f', 'd db Tc', 'd db Ah', 'p4 sm QhQd', 'p6 sm AcKc']
venue = 'Made Up'
hand = 9000000001
winnings = [0, 0, 0, 0, 0, 243]
currency_symbol = '$'

)PHH";

// The texts of the sections of kHands (what follows each header).
std::vector<std::string_view> sections()
{
    std::vector<std::string_view> out;
    constexpr std::string_view header = "[0]\n";
    for (std::size_t at = kHands.find(header); at != std::string_view::npos;) {
        const std::size_t next = kHands.find(header, at + header.size());
        const std::size_t end = next == std::string_view::npos ? kHands.size() : next;
        out.push_back(kHands.substr(at + header.size(), end - at - header.size()));
        at = next;
    }
    return out;
}

std::filesystem::path writeLargeFile(std::size_t hands)
{
    const std::vector<std::string_view> texts = sections();
    const auto path = std::filesystem::temp_directory_path() / ("bench_phh_" + std::to_string(::getpid()) + ".phhs");
    std::ofstream out(path, std::ios::binary);
    for (std::size_t i = 0; i < hands; ++i)
        out << '[' << (i + 1) << "]\n" << texts[i % texts.size()];
    return path;
}

struct CountingSink final : history::HandSink {
    std::size_t hands = 0;
    std::size_t problems = 0;
    std::size_t actions = 0;
    void hand(const history::HandHistory& hand, std::string_view, std::uint64_t) override
    {
        ++hands;
        actions += hand.actions.size();
    }
    void problem(const history::ReadProblem&, std::uint64_t) override { ++problems; }
};

void countRate(benchmark::State& state, std::size_t hands)
{
    const auto total = static_cast<double>(hands) * static_cast<double>(state.iterations());
    state.counters["hands/s"] = benchmark::Counter(total, benchmark::Counter::kIsRate);
}

void BM_PhhReader(benchmark::State& state)
{
    const auto hands = static_cast<std::size_t>(state.range(0));
    const auto path = writeLargeFile(hands);
    for (auto _ : state) {
        CountingSink sink;
        history::ReadOptions options;
        options.fileIsComplete = true;
        const history::ReadSummary s = history::readPhhFile(path, sink, options);
        if (s.hands != hands || sink.problems != 0)
            state.SkipWithError("not every hand was read");
        benchmark::DoNotOptimize(sink.actions);
    }
    std::filesystem::remove(path);
    countRate(state, hands);
}

void BM_TomlOnly(benchmark::State& state)
{
    const std::vector<std::string_view> texts = sections();
    const auto hands = static_cast<std::size_t>(state.range(0));
    for (auto _ : state)
        for (std::size_t i = 0; i < hands; ++i) {
            const toml::table t = toml::parse(texts[i % texts.size()]);
            benchmark::DoNotOptimize(t.size());
        }
    countRate(state, hands);
}

} // namespace

BENCHMARK(BM_PhhReader)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TomlOnly)->Arg(50000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
