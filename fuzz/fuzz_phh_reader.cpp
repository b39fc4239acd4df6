// The PHH reader: the input is PHH text (a .phhs or a .phh). It is read as one
// hand, and streamed from memory the way a file is read: with a large and a
// tiny chunk, as a growing or as a final file (by the parity of its size), and
// again from the end of one of its hands. Whatever the bytes:
// - the chunk size changes nothing (hands, problems, offsets, lines);
// - every hand taken reads again alone from the text the sink got, the same;
// - offsets only move forward and stay within the data, the summary counts
//   what the sink got;
// - a read resumed at a hand's end offset gives the same hands and problems
//   as the whole read did after that point;
// - every hand makes sense: 2 to 23 players, actions by them, at most five
//   board cards, no card twice.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "history/phh/PhhReader.h"
#include "history/phh/PhhStream.h"

namespace {

using namespace history;

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void checkHand(const HandHistory& h)
{
    check(h.players.size() >= 2 && h.players.size() <= 23, "2 to 23 players");
    check(h.board.size() <= 5, "at most five board cards");
    std::uint64_t seen = 0;
    auto see = [&](Card c) {
        const std::uint64_t bit = std::uint64_t{1} << c.index();
        check((seen & bit) == 0, "no card twice");
        seen |= bit;
    };
    for (const Card c : h.board)
        see(c);
    for (const Player& p : h.players)
        if (p.cards) {
            see(p.cards->high);
            see(p.cards->low);
        }
    for (const Action& a : h.actions) {
        check(a.player < h.players.size(), "an action by a player of the hand");
        check(a.added >= 0, "nothing taken out by an action");
    }
}

struct Hand {
    std::size_t players;
    std::size_t actions;
    std::string number;
    std::uint64_t end;
};

struct Problem {
    std::uint64_t line;
    std::string kind;
    std::uint64_t end;
};

struct Recorder final : HandSink {
    std::vector<Hand> hands;
    std::vector<Problem> problems;
    std::uint64_t last = 0;
    std::uint64_t size = 0;

    void hand(const HandHistory& h, std::string_view text, std::uint64_t end) override
    {
        checkHand(h);
        check(end >= last && end <= size, "hand offsets move forward within the data");
        last = end;
        const auto again = readPhhHand(text);
        check(again.has_value(), "a hand's text reads again alone");
        check(again->players.size() == h.players.size() && again->actions.size() == h.actions.size() &&
                  again->board == h.board && again->handNumber == h.handNumber,
              "a hand's text reads again to the same hand");
        hands.push_back({h.players.size(), h.actions.size(), h.handNumber, end});
    }
    void problem(const ReadProblem& p, std::uint64_t end) override
    {
        check(end >= last && end <= size, "problem offsets move forward within the data");
        check(p.line >= 1, "a problem names its line");
        last = end;
        problems.push_back({p.line, p.kind, end});
    }
};

Recorder read(std::string_view data, bool complete, std::size_t chunk, std::uint64_t from = 0)
{
    Recorder r;
    r.size = data.size();
    r.last = from;
    ReadOptions options;
    options.fileIsComplete = complete;
    options.startOffset = from;
    phh::StreamLimits limits;
    limits.chunk = chunk;
    const ReadSummary s = phh::readPhhBuffer(data, "fuzz.phhs", r, options, limits);
    check(s.hands == r.hands.size() && s.problems == r.problems.size(), "the summary counts what the sink got");
    check(s.endOffset >= from && s.endOffset <= data.size() && s.endOffset >= r.last, "the end offset");
    check(!s.cancelled && !s.notAHandHistory, "no cancel, no refusal");
    if (complete)
        check(s.endOffset == data.size() || from > data.size(), "a final file is read to its end");
    return r;
}

bool same(const Recorder& a, const Recorder& b, std::size_t fromHand = 0, std::size_t fromProblem = 0)
{
    if (a.hands.size() - fromHand != b.hands.size() || a.problems.size() - fromProblem != b.problems.size())
        return false;
    for (std::size_t i = 0; i < b.hands.size(); ++i) {
        const Hand& x = a.hands[fromHand + i];
        const Hand& y = b.hands[i];
        if (x.end != y.end || x.players != y.players || x.actions != y.actions || x.number != y.number)
            return false;
    }
    for (std::size_t i = 0; i < b.problems.size(); ++i) {
        const Problem& x = a.problems[fromProblem + i];
        const Problem& y = b.problems[i];
        if (x.end != y.end || x.line != y.line || x.kind != y.kind)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    if (const auto hand = readPhhHand(data))
        checkHand(*hand);
    static_cast<void>(looksLikePhh(data));

    // The large chunk takes the whole input at once, as the default does,
    // without the default's mebibyte buffer at every read.
    const std::size_t large = size + 64;
    const std::size_t tiny = 1 + size % 13;
    // Each input is read either as a growing or as a final file: the mutator
    // flips between them by changing the size, and one reading fewer per
    // input leaves the time to try more of them.
    const bool complete = size % 2 == 0;
    const Recorder whole = read(data, complete, large);
    check(same(whole, read(data, complete, tiny)), "the chunk size changes nothing");
    // Resume at the end of a hand in the middle.
    if (!whole.hands.empty()) {
        const std::size_t k = whole.hands.size() / 2;
        const std::uint64_t from = whole.hands[k].end;
        std::size_t problemsBefore = 0;
        while (problemsBefore < whole.problems.size() && whole.problems[problemsBefore].end <= from)
            ++problemsBefore;
        check(same(whole, read(data, complete, large, from), k + 1, problemsBefore),
              "a resumed read goes on as the whole one");
    }
    return 0;
}
