// Whole files: the encodings and line ends they come in, the chunks they are
// read in, a file still being written read again from where the last read
// stopped, and bad text reported without losing the hands around it.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <set>
#include <string>
#include <vector>

#include "history/roomtext/ByteSource.h"
#include "history/roomtext/RoomTextReader.h"
#include "history/roomtext/SourceReader.h"
#include "tests/history/roomtext/RoomTextTestSupport.h"

namespace {

using namespace roomtexttest;

std::vector<std::string> handTexts(const KeepingSink& sink)
{
    std::vector<std::string> out;
    for (const auto& h : sink.hands)
        out.push_back(handText(h.hand));
    return out;
}

// The good hands as read from plain UTF-8, to compare every other way with.
const std::vector<std::string>& referenceHands()
{
    static const std::vector<std::string> hands = [] {
        KeepingSink sink;
        const std::string text = allGoodHands();
        history::roomtext::MemoryByteSource source(text);
        history::roomtext::readSource(source, "reference", sink, {});
        return handTexts(sink);
    }();
    return hands;
}

class RoomTextEncoding : public ::testing::TestWithParam<Encoding> {};

TEST_P(RoomTextEncoding, EveryHandReadsAsFromPlainUtf8)
{
    ASSERT_EQ(referenceHands().size(), 6u);
    const std::string bytes = encoded(allGoodHands(), GetParam());
    ScratchFile file("export.txt");
    file.write(bytes);
    KeepingSink sink;
    const history::ReadSummary summary = history::readRoomTextFile(file.path(), sink, {});
    EXPECT_EQ(handTexts(sink), referenceHands());
    EXPECT_TRUE(sink.problems.empty());
    EXPECT_EQ(summary.hands, 6u);
    EXPECT_EQ(summary.endOffset, bytes.size());
}

// Hand end offsets are byte offsets of the file as it is: reading again from
// any of them gives exactly the hands after it.
TEST_P(RoomTextEncoding, ReadingFromAHandsEndGivesTheHandsAfterIt)
{
    ScratchFile file("export.txt");
    file.write(encoded(allGoodHands(), GetParam()));
    KeepingSink whole;
    history::readRoomTextFile(file.path(), whole, {});
    ASSERT_EQ(whole.hands.size(), 6u);
    for (std::size_t i = 0; i < whole.hands.size(); ++i) {
        KeepingSink rest;
        history::ReadOptions options;
        options.startOffset = whole.hands[i].endOffset;
        history::readRoomTextFile(file.path(), rest, options);
        const std::vector<std::string> after(referenceHands().begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                             referenceHands().end());
        EXPECT_EQ(handTexts(rest), after) << "from the end of hand " << i;
        EXPECT_TRUE(rest.problems.empty());
    }
}

// Chunk boundaries fall anywhere: inside a line, a CR LF, a UTF-8 or UTF-16 character.
TEST_P(RoomTextEncoding, ChunkSizeChangesNothing)
{
    const std::string bytes = encoded(allGoodHands(), GetParam());
    for (const std::size_t chunk : {1u, 2u, 3u, 5u, 64u, 4096u}) {
        KeepingSink sink;
        history::roomtext::MemoryByteSource source(bytes);
        const auto summary = history::roomtext::readSource(source, "memory", sink, {}, {chunk, 4096});
        EXPECT_EQ(handTexts(sink), referenceHands()) << "chunks of " << chunk;
        EXPECT_EQ(summary.endOffset, bytes.size());
    }
}

// A file being written, cut anywhere, then finished: the first read takes the
// whole hands only, the second from its end offset the rest, none twice.
TEST_P(RoomTextEncoding, AFileCutAnywhereIsTakenWholeAfterAppending)
{
    const std::string bytes = encoded(allGoodHands(), GetParam());
    for (std::size_t cut = 0; cut < bytes.size(); cut += 97) {
        ScratchFile file("growing.txt");
        file.write(bytes.substr(0, cut));
        KeepingSink first;
        const auto summary = history::readRoomTextFile(file.path(), first, {});
        EXPECT_LE(summary.endOffset, cut);
        file.write(bytes);
        KeepingSink second;
        history::ReadOptions options;
        options.startOffset = summary.endOffset;
        options.fileIsComplete = true;
        history::readRoomTextFile(file.path(), second, options);

        std::vector<std::string> both = handTexts(first);
        const std::vector<std::string> later = handTexts(second);
        both.insert(both.end(), later.begin(), later.end());
        EXPECT_EQ(both, referenceHands()) << "cut at " << cut;
        EXPECT_TRUE(first.problems.empty() && second.problems.empty()) << "cut at " << cut;
    }
}

INSTANTIATE_TEST_SUITE_P(Encodings, RoomTextEncoding,
                         ::testing::Values(Encoding::Utf8, Encoding::Utf8Bom, Encoding::Utf8Crlf, Encoding::Utf16Le,
                                           Encoding::Utf16LeCrlf));

std::uint64_t lineOf(std::string_view text, std::string_view what)
{
    const std::size_t at = text.find(what);
    return at == std::string_view::npos ? 0 : 1 + static_cast<std::uint64_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

TEST(RoomTextHalfWritten, TheLastHandWaitsUntilItIsWholeOrTheFileIsComplete)
{
    const std::string text = dataText("half_written.txt");
    const std::size_t secondHand = text.find("PokerStars Hand #208871267002");
    ASSERT_NE(secondHand, std::string::npos);

    KeepingSink growing;
    const auto waiting = history::readRoomTextFile(dataFile("half_written.txt"), growing, {});
    ASSERT_EQ(growing.hands.size(), 1u);
    EXPECT_TRUE(growing.problems.empty());
    EXPECT_EQ(waiting.endOffset, secondHand);

    KeepingSink finished;
    history::ReadOptions options;
    options.startOffset = waiting.endOffset;
    options.fileIsComplete = true;
    const auto final = history::readRoomTextFile(dataFile("half_written.txt"), finished, options);
    EXPECT_TRUE(finished.hands.empty());
    ASSERT_EQ(finished.problems.size(), 1u);
    EXPECT_EQ(finished.problems[0].problem.kind, "incomplete-data");
    EXPECT_EQ(finished.problems[0].problem.line, lineOf(text, "PokerStars Hand #208871267002"));
    EXPECT_EQ(final.endOffset, text.size());
}

// A summary without the blank line after it may still be growing (a last
// seat line half written); a complete file takes it.
TEST(RoomTextHalfWritten, ASummaryWithoutItsBlankLineWaitsUnlessTheFileIsComplete)
{
    std::string text = dataText("heads_up.txt");
    while (text.ends_with('\n'))
        text.pop_back();
    for (const bool complete : {false, true}) {
        ScratchFile file("summary.txt");
        file.write(text + "\n");
        KeepingSink sink;
        history::ReadOptions options;
        options.fileIsComplete = complete;
        const auto summary = history::readRoomTextFile(file.path(), sink, options);
        EXPECT_EQ(sink.hands.size(), complete ? 1u : 0u);
        EXPECT_EQ(summary.endOffset, complete ? text.size() + 1 : 0u);
    }
}

struct ProblemCase {
    Encoding encoding;
    bool startAfterFirstHand;
};

class RoomTextBadText : public ::testing::TestWithParam<ProblemCase> {};

// Text before the first hand, a hand with an unreadable amount, an Omaha hand,
// and a hand cut short by the next header: each one problem at the line where
// it starts; the good hands between them are all read.
TEST_P(RoomTextBadText, IsReportedAndTheHandsAroundItAreRead)
{
    const std::string text = dataText("garbage_middle.txt");
    ScratchFile file("garbage.txt");
    file.write(encoded(text, GetParam().encoding));
    history::ReadOptions options;
    if (GetParam().startAfterFirstHand) {
        KeepingSink first;
        history::readRoomTextFile(file.path(), first, {});
        ASSERT_FALSE(first.hands.empty());
        options.startOffset = first.hands.front().endOffset;
    }
    KeepingSink sink;
    const auto summary = history::readRoomTextFile(file.path(), sink, options);

    struct Expected {
        std::string_view at;
        std::string kind;
    };
    std::vector<Expected> expected = {{"Hand history export", "syntax"},
                                      {"PokerStars Hand #208871400078", "syntax"},
                                      {"PokerStars Hand #208871400079", "variant"},
                                      {"PokerStars Hand #208871400080", "incomplete-data"}};
    std::vector<std::string> hands = {"208871400077", "208871400081"};
    if (GetParam().startAfterFirstHand) {
        expected.erase(expected.begin());
        hands.erase(hands.begin());
    }
    ASSERT_EQ(sink.problems.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const history::ReadProblem& p = sink.problems[i].problem;
        EXPECT_EQ(p.line, lineOf(text, expected[i].at)) << i;
        EXPECT_EQ(p.kind, expected[i].kind) << p.reason;
        EXPECT_FALSE(p.reason.empty());
        EXPECT_EQ(p.file, file.path().string());
    }
    std::vector<std::string> read;
    for (const auto& h : sink.hands)
        read.push_back(h.hand.handNumber);
    EXPECT_EQ(read, hands);
    EXPECT_EQ(summary.problems, expected.size());
    EXPECT_EQ(summary.hands, hands.size());
    EXPECT_FALSE(summary.notAHandHistory);
}

INSTANTIATE_TEST_SUITE_P(Ways, RoomTextBadText,
                         ::testing::Values(ProblemCase{Encoding::Utf8, false}, ProblemCase{Encoding::Utf8Crlf, false},
                                           ProblemCase{Encoding::Utf16Le, false}, ProblemCase{Encoding::Utf8, true},
                                           ProblemCase{Encoding::Utf16Le, true}));

TEST(RoomTextBadText, ALineTooLongLosesOnlyItsHand)
{
    std::string hand = dataText("heads_up.txt");
    const std::string chat = "kaarina said, \"" + std::string(5000, 'z') + "\"\n";
    std::string broken = hand;
    broken.insert(broken.find("*** SUMMARY ***"), chat);
    KeepingSink sink;
    const std::string text = broken + "\n" + dataText("tournament.txt");
    history::roomtext::MemoryByteSource source(text);
    history::roomtext::readSource(source, "memory", sink, {}, {64, 1024});
    ASSERT_EQ(sink.problems.size(), 1u);
    EXPECT_EQ(sink.problems[0].problem.line, 1u);
    EXPECT_EQ(sink.problems[0].problem.kind, "syntax");
    ASSERT_EQ(sink.hands.size(), 1u);
    EXPECT_EQ(sink.hands[0].hand.handNumber, "208871300001");
}

TEST(RoomTextFile, NoHandAtAllIsNoHandHistory)
{
    KeepingSink sink;
    history::roomtext::MemoryByteSource source("just some notes\nabout nothing\n");
    const auto summary = history::roomtext::readSource(source, "notes", sink, {});
    EXPECT_TRUE(summary.notAHandHistory);
    ASSERT_EQ(sink.problems.size(), 1u);
    EXPECT_EQ(sink.problems[0].problem.kind, "not-a-hand-history");
    EXPECT_EQ(sink.problems[0].problem.line, 0u);
    EXPECT_EQ(summary.problems, 1u);
}

TEST(RoomTextFile, AnUnopenableFileIsOneIoProblem)
{
    KeepingSink sink;
    const auto summary = history::readRoomTextFile(dataFile("no such file.txt"), sink, {});
    ASSERT_EQ(sink.problems.size(), 1u);
    EXPECT_EQ(sink.problems[0].problem.kind, "io");
    EXPECT_EQ(summary.problems, 1u);
}

TEST(RoomTextFile, ACancelledReadStopsBetweenHands)
{
    std::atomic<bool> cancel{true};
    history::ReadOptions options;
    options.cancel = &cancel;
    KeepingSink sink;
    const auto summary = history::readRoomTextFile(dataFile("cash_session.txt"), sink, options);
    EXPECT_TRUE(summary.cancelled);
    EXPECT_TRUE(sink.hands.empty());
    EXPECT_EQ(summary.endOffset, 0u);
}

struct LooksCase {
    std::string bytes;
    bool expected;
};

class RoomTextLooks : public ::testing::TestWithParam<LooksCase> {};

TEST_P(RoomTextLooks, KnowsTheExportByAHandHeaderNearItsStart)
{
    EXPECT_EQ(history::looksLikeRoomText(GetParam().bytes), GetParam().expected);
}

const std::string kHeader = "PokerStars Hand #208871235711:  Hold'em No Limit ($0.50/$1.00 USD) - 2020/10/14\n";

INSTANTIATE_TEST_SUITE_P(FirstBytes, RoomTextLooks,
                         ::testing::Values(LooksCase{kHeader, true}, LooksCase{"\xEF\xBB\xBF" + kHeader, true},
                                           LooksCase{toUtf16Le(kHeader), true},
                                           LooksCase{toUtf16Le(kHeader).substr(0, 40), true},
                                           // A title of the export's own before the hands.
                                           LooksCase{"Hand history export\n=====\n\n" + kHeader, true},
                                           LooksCase{"game = \"holdem\"\n" + kHeader, true},
                                           LooksCase{"game = \"holdem\"\nPokerStars rocks\n", false},
                                           LooksCase{"PokerStars Tournament #1\n", false}, LooksCase{"", false},
                                           LooksCase{"\xFF\xFE", false}));

} // namespace
