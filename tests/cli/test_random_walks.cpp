// Seeded random sessions against the window: what each shows, dump by dump,
// stays as it was recorded. The digests are over dumps in which every advice
// text is written as its key, so that revising a text changes no digest. They
// were recorded when the engine became a library of values (they equalled the
// window's dumps from before that change), and again when the big blind began
// to refuse a second decimal point, and again when a "," typed into it began
// to read as a grouping or a decimal point rather than being refused: the only
// changes to what these sessions show since.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ReplayHarness.h"
#include "engine/content/AdviceContent.h"
#include "tests/support/RandomWalk.h"
#include "window/model/StateDump.h"

namespace {

// Every advice text, as a dump escapes it, replaced by "{KEY}"; the longest
// first, so that no text is taken for a part of a longer one.
std::string withAdviceKeys(std::string dump)
{
    std::vector<std::pair<std::string, std::string>> texts;
    for (std::size_t i = 0; i < engine::kAdviceKeyCount; ++i) {
        const auto key = static_cast<engine::AdviceKey>(i);
        std::string escaped;
        window::appendEscaped(escaped, engine::adviceText(key));
        texts.emplace_back(std::move(escaped), "{" + std::string(engine::adviceKeyName(key)) + "}");
    }
    std::sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.first.size() > b.first.size(); });
    for (const auto& [text, key] : texts) {
        std::string out;
        std::size_t from = 0;
        for (auto at = dump.find(text); at != std::string::npos; at = dump.find(text, from)) {
            out.append(dump, from, at - from).append(key);
            from = at + text.size();
        }
        out.append(dump, from, std::string::npos);
        dump = std::move(out);
    }
    return dump;
}

std::uint64_t fnv1a(std::string_view bytes)
{
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ull;
    }
    return h;
}

struct RecordedWalk {
    std::uint64_t seed;
    std::size_t keyedSize;
    std::uint64_t digest;
};

class RandomWalks : public ::testing::TestWithParam<RecordedWalk> {};

// 10,000 actions each, a dump every 5 actions.
TEST_P(RandomWalks, ShowWhatTheyShowedBefore)
{
    const RecordedWalk& w = GetParam();
    const clitest::RunResult r = clitest::replayText(clitest::randomWalk(w.seed, 10000, 5));
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string keyed = withAdviceKeys(r.out);
    EXPECT_EQ(keyed.size(), w.keyedSize);
    EXPECT_EQ(fnv1a(keyed), w.digest);
}

INSTANTIATE_TEST_SUITE_P(Recorded, RandomWalks,
                         ::testing::Values(RecordedWalk{1, 1095349, 0xa93a97acdd656cf1ull},
                                           RecordedWalk{2, 1105476, 0xfb0e02ec11ac22efull},
                                           RecordedWalk{3, 1097806, 0xa1a6f32592ca76a8ull}));

} // namespace
