// A text edited in place against the plain UTF-8 helpers: whatever the
// edits, invalid bytes and sequences split or joined by an edit included,
// its length and its code points' places are the ones counted from scratch.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/Utf8.h"
#include "platform/text/Utf8Text.h"

using platform::Utf8Text;
namespace utf8 = platform::utf8;

namespace {

// Every code point boundary, stepping forward from the start.
std::vector<std::size_t> boundaries(std::string_view text)
{
    std::vector<std::size_t> out{0};
    for (std::size_t pos = 0; pos < text.size();)
        out.push_back(pos = utf8::nextOffset(text, pos));
    return out;
}

struct StepBackCase {
    const char* name;
    std::string_view text;
};

class StepBack : public testing::TestWithParam<StepBackCase> {};

} // namespace

TEST_P(StepBack, FindsTheBoundariesSteppingForwardFinds)
{
    const std::string_view text = GetParam().text;
    const std::vector<std::size_t> forward = boundaries(text);
    ASSERT_EQ(forward.size(), utf8::length(text) + 1);
    for (std::size_t i = forward.size() - 1; i > 0; --i)
        EXPECT_EQ(utf8::previousOffset(text, forward[i]), forward[i - 1]) << "before byte " << forward[i];
}

INSTANTIATE_TEST_SUITE_P(Texts, StepBack, testing::Values(
    StepBackCase{"Plain", "poker"},
    StepBackCase{"TwoThreeAndFourBytes", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x82\xA1x"},
    StepBackCase{"TruncatedSequences", "\xE2\x82" "A\xF0\x9F\x82"},
    StepBackCase{"LoneContinuationBytes", "a\x80\x80\x80\x80\x80\x80" "b"},
    StepBackCase{"LeadThenTooManyContinuations", "\xC3\xA9\xA9\xA9\xA9"},
    StepBackCase{"OverlongAndSurrogate", "\xC0\xAF\xED\xA0\x80\xF4\x90\x80\x80"},
    StepBackCase{"InvalidLeadBytes", "\xFF\xFE\xF8\x88\x80\x80\x80"}),
    [](const testing::TestParamInfo<StepBackCase>& param) { return std::string(param.param.name); });

namespace {

// The edit as the plain helpers make it.
std::string plainReplace(const std::string& text, std::size_t start, std::size_t count, std::string_view with)
{
    const std::size_t from = utf8::offsetOf(text, start);
    const std::size_t to = utf8::offsetOf(text, start + count);
    return text.substr(0, from) + std::string(with) + text.substr(to);
}

void expectAgrees(const Utf8Text& text, std::size_t probe)
{
    const std::string& bytes = text.bytes();
    const std::size_t length = utf8::length(bytes);
    EXPECT_EQ(text.length(), length);
    for (std::size_t i : {std::size_t{0}, probe, probe + 1, probe + 3, length / 2, length, length + 4})
        EXPECT_EQ(text.offsetOf(i), utf8::offsetOf(bytes, i)) << "code point " << i;
}

class Pseudorandom {
public:
    std::uint64_t below(std::uint64_t n)
    {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return (state_ >> 33) % n;
    }

private:
    std::uint64_t state_ = 0x853C49E6748FEA9Bull;
};

struct EditRun {
    const char* name;
    const char* start;
    std::vector<std::string_view> pieces; // what edits insert
    bool askLengthFirst;                  // the length known before the edits, or counted part way
};

class EditsInPlace : public testing::TestWithParam<EditRun> {};

} // namespace

TEST_P(EditsInPlace, KeepTheLengthAndPlacesACountFromScratchGives)
{
    const EditRun& run = GetParam();
    Utf8Text text;
    text.assign(run.start);
    std::string plain = run.start;
    if (run.askLengthFirst) {
        EXPECT_EQ(text.length(), utf8::length(plain));
    }
    Pseudorandom random;
    for (int edit = 0; edit < 600; ++edit) {
        const std::size_t length = utf8::length(plain);
        // Mostly near the end, as typing is; now and then anywhere, or past the end.
        const std::size_t start = random.below(4) != 0 ? length - std::min<std::size_t>(length, random.below(3))
                                                       : random.below(length + 3);
        const std::size_t count = random.below(3);
        const std::string_view with = run.pieces[random.below(run.pieces.size())];
        const std::string expected = plainReplace(plain, start, count, with);
        EXPECT_EQ(text.replace(start, count, with), expected != plain);
        plain = expected;
        ASSERT_EQ(text.bytes(), plain) << "edit " << edit;
        if (edit % 7 == 0)
            expectAgrees(text, start);
    }
    expectAgrees(text, 0);
}

INSTANTIATE_TEST_SUITE_P(Runs, EditsInPlace, testing::Values(
    EditRun{"PlainLetters", "", {"a", "b", "", "cd"}, true},
    EditRun{"LineBreaksAndAccents", "Fold.\r\n", {"\r\n", "\xC3\xA9", "x", "\xE2\x82\xAC"}, false},
    EditRun{"SequencesSplitAndJoined", "\xE2\x82\xAC", {"\xE2", "\x82", "\xAC", "\xF0\x9F", "a", ""}, true},
    EditRun{"LoneContinuationBytes", "\x80\x80", {"\x80", "\xC3", "\xF0", "z"}, false}),
    [](const testing::TestParamInfo<EditRun>& param) { return std::string(param.param.name); });

TEST(Utf8Text, AssigningTheSameTextChangesNothingAndANewTextIsCountedAnew)
{
    Utf8Text text;
    EXPECT_TRUE(text.assign("\xC3\xA9t\xC3\xA9"));
    EXPECT_EQ(text.length(), 3u);
    EXPECT_FALSE(text.assign("\xC3\xA9t\xC3\xA9"));
    EXPECT_TRUE(text.assign("ab"));
    EXPECT_EQ(text.length(), 2u);
    EXPECT_EQ(text.offsetOf(1), 1u);
}
