// The room text reader over arbitrary bytes in memory: nothing crashes; every
// hand given reads again alone from its text and is sound (two players or
// more, actions by players of the hand, five board cards at most); offsets
// only go forward and stay within the input; and the size of the chunks the
// input is read in changes nothing.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "history/roomtext/ByteSource.h"
#include "history/roomtext/RoomTextReader.h"
#include "history/roomtext/SourceReader.h"

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

class CheckingSink : public history::HandSink {
public:
    explicit CheckingSink(std::uint64_t size) : size_(size) {}

    void hand(const history::HandHistory& hand, std::string_view text, std::uint64_t endOffset) override
    {
        offset(endOffset);
        ++hands;
        check(hand.players.size() >= 2 && hand.board.size() <= 5);
        for (const history::Action& a : hand.actions)
            check(a.player < hand.players.size());
        for (const history::Player& p : hand.players)
            check(p.net.has_value());
        const auto again = history::readRoomTextHand(text);
        check(again.has_value() && again->players.size() == hand.players.size() &&
              again->actions.size() == hand.actions.size());
    }

    void problem(const history::ReadProblem& problem, std::uint64_t endOffset) override
    {
        offset(endOffset);
        ++problems;
        check(!problem.reason.empty() && !problem.kind.empty());
    }

    std::uint64_t hands = 0;
    std::uint64_t problems = 0;

private:
    void offset(std::uint64_t endOffset)
    {
        check(endOffset >= last_ && endOffset <= size_);
        last_ = endOffset;
    }

    std::uint64_t size_;
    std::uint64_t last_ = 0;
};

history::ReadSummary readInChunks(std::string_view bytes, std::size_t chunk, bool complete, CheckingSink& sink)
{
    history::roomtext::MemoryByteSource source(bytes);
    history::ReadOptions options;
    options.fileIsComplete = complete;
    const auto summary = history::roomtext::readSource(source, "fuzz", sink, options, {chunk, 512});
    check(summary.endOffset <= bytes.size());
    check(summary.hands == sink.hands && summary.problems == sink.problems);
    return summary;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)history::readRoomTextHand(bytes);
    (void)history::looksLikeRoomText(bytes);

    const bool complete = size % 2 == 0;
    CheckingSink whole(size);
    // The whole input in one chunk, without a large buffer at every input.
    const auto a = readInChunks(bytes, size + 64, complete, whole);
    CheckingSink pieces(size);
    const auto b = readInChunks(bytes, 1 + size % 7, complete, pieces);
    check(a.hands == b.hands && a.problems == b.problems && a.endOffset == b.endOffset);
    return 0;
}
