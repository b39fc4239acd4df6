#include "engine/board/DrawFinder.h"

#include <bit>

#include "engine/board/HandShape.h"
#include "engine/cards/RankMask.h"

namespace engine::board {

namespace {

using cards::CardSet;

CardSet unseenOfRanks(CardSet seen, unsigned ranks)
{
    CardSet outs;
    for (cards::Card c : CardSet::fullDeck() - seen) {
        if ((ranks >> c.rank() & 1) != 0)
            outs.insert(c);
    }
    return outs;
}

// Ranks that make a straight the hole cards take part in.
unsigned completingRanks(unsigned held, unsigned boardRanks)
{
    unsigned completing = 0;
    for (int r = 0; r < cards::kRankCount; ++r) {
        const unsigned with = held | 1u << r;
        if (with == held)
            continue;
        for (int high = 3; high <= cards::kAce; ++high) {
            const unsigned straight = cards::straightRanks(high);
            if ((with & straight) == straight && (straight & ~(boardRanks | 1u << r)) != 0 && (straight >> r & 1) != 0)
                completing |= 1u << r;
        }
    }
    return completing;
}

// Four ranks in a row with both ends completing (the ace counts low too).
bool openEnded(unsigned held, unsigned completing)
{
    const unsigned line = held << 1 | (held >> cards::kAce & 1);
    const unsigned ends = completing << 1 | (completing >> cards::kAce & 1);
    for (int low = 1; low + 4 <= 13; ++low) {
        const unsigned run = 0xFu << low;
        if ((line & run) == run && (ends >> (low - 1) & 1) != 0 && (ends >> (low + 4) & 1) != 0)
            return true;
    }
    return false;
}

} // namespace

std::vector<Draw> findDraws(const cards::HoleCards& hand, CardSet board, odds::HandCategory made)
{
    std::vector<Draw> draws;
    if (board.size() >= 5)
        return draws;
    const CardSet all = hand.set() | board;
    const HandShape shape(all), boardShape(board), holeShape(hand.set());

    bool flushDraw = false;
    if (made < odds::HandCategory::Flush) {
        for (std::size_t s = 0; s < cards::kSuitCount; ++s) {
            if (std::popcount(shape.suitRanks[s]) != 4 || holeShape.suitRanks[s] == 0)
                continue;
            const unsigned notOnBoard = static_cast<unsigned>(cards::kSuitRanks) & ~boardShape.suitRanks[s];
            const bool nut = (holeShape.suitRanks[s] >> cards::highestRank(notOnBoard) & 1) != 0;
            CardSet outs;
            for (cards::Card c : CardSet::fullDeck() - all) {
                if (static_cast<std::size_t>(c.suit()) == s)
                    outs.insert(c);
            }
            draws.push_back({DrawKind::FlushDraw, nut, nut ? "nut flush draw" : "flush draw", outs});
            flushDraw = true;
        }
    }

    bool straightDraw = false;
    if (made < odds::HandCategory::Straight) {
        const unsigned completing = completingRanks(shape.ranks, boardShape.ranks);
        const int count = std::popcount(completing);
        if (count >= 2) {
            const bool open = openEnded(shape.ranks, completing);
            draws.push_back({open ? DrawKind::OpenEndedStraightDraw : DrawKind::DoubleGutShot, false,
                             open ? "open-ended straight draw" : "double gut-shot", unseenOfRanks(all, completing)});
        } else if (count == 1) {
            draws.push_back({DrawKind::GutShot, false, "gutshot", unseenOfRanks(all, completing)});
        }
        straightDraw = count > 0;
    }

    if (board.size() != 3)
        return draws;
    if (!flushDraw && made < odds::HandCategory::Flush) {
        for (std::size_t s = 0; s < cards::kSuitCount; ++s) {
            if (std::popcount(shape.suitRanks[s]) == 3 && holeShape.suitRanks[s] != 0)
                draws.push_back({DrawKind::BackdoorFlushDraw, false, "backdoor flush draw", {}});
        }
    }
    if (!straightDraw && made < odds::HandCategory::Straight) {
        const unsigned ownRanks = holeShape.ranks & ~boardShape.ranks;
        for (int high = cards::kAce; high >= 3; --high) {
            const unsigned straight = cards::straightRanks(high);
            if (std::popcount(shape.ranks & straight) >= 3 && (straight & ownRanks) != 0) {
                draws.push_back({DrawKind::BackdoorStraightDraw, false, "backdoor straight draw", {}});
                break;
            }
        }
    }
    return draws;
}

} // namespace engine::board
