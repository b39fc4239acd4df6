#include "engine/board/RangeSplit.h"

#include <string>

#include "engine/board/BoardReader.h"
#include "engine/cards/CardChecks.h"

namespace engine::board {

std::string_view drawKindName(DrawKind kind)
{
    switch (kind) {
    case DrawKind::FlushDraw: return "flush draw";
    case DrawKind::OpenEndedStraightDraw: return "open-ended straight draw";
    case DrawKind::DoubleGutShot: return "double gut-shot";
    case DrawKind::GutShot: return "gutshot";
    case DrawKind::BackdoorFlushDraw: return "backdoor flush draw";
    case DrawKind::BackdoorStraightDraw: return "backdoor straight draw";
    }
    return {};
}

std::string_view splitPartName(SplitPart part)
{
    switch (part) {
    case SplitPart::Made: return "made";
    case SplitPart::Draw: return "draw";
    case SplitPart::Category: return "category";
    }
    return {};
}

std::vector<SplitLine> splitLines(const RangeSplit& split)
{
    std::vector<SplitLine> lines;
    for (int c = odds::kCategoryCount - 1; c >= 0; --c)
        lines.push_back({SplitPart::Made, std::string(odds::categoryName(static_cast<odds::HandCategory>(c))),
                         split.made[static_cast<std::size_t>(c)]});
    for (int d = 0; d < kDrawKindCount; ++d)
        lines.push_back({SplitPart::Draw, std::string(drawKindName(static_cast<DrawKind>(d))),
                         split.draws[static_cast<std::size_t>(d)]});
    lines.push_back({SplitPart::Draw, "any draw", split.anyDraw});
    for (int c = 0; c < kPostflopCategoryCount; ++c)
        lines.push_back({SplitPart::Category, std::string(kPostFlopCategories[static_cast<std::size_t>(c)]),
                         split.categories[static_cast<std::size_t>(c)]});
    lines.push_back({SplitPart::Category, "none fits", split.noneFits});
    return lines;
}

cards::Parsed<RangeSplit> splitRange(const cards::Range& range, const std::vector<cards::Card>& board,
                                     cards::CardSet dead)
{
    cards::Parsed<RangeSplit> result;
    const cards::Parsed<cards::CardSet> onBoard = cards::boardCards(board);
    if (!onBoard.ok()) {
        result.error = onBoard.error;
        return result;
    }
    if (board.size() < 3 || board.size() > 5) {
        result.error = "the board has " + std::to_string(board.size()) + " cards; it takes 3 to 5";
        return result;
    }
    result.error = cards::sharedCard(onBoard.value, dead, "on the board and among the dead cards");
    if (!result.ok())
        return result;

    const cards::CardSet known = onBoard.value | dead;
    RangeSplit& split = result.value;
    const auto& combos = range.combos();
    const auto& weights = range.weights();
    for (std::size_t i = 0; i < combos.size(); ++i) {
        if (combos[i].set().intersects(known))
            continue;
        const auto reading = readBoard(combos[i], board);
        if (!reading.ok()) {
            result.error = reading.error;
            return result;
        }
        const BoardReading& r = reading.value;
        const double w = weights[i];
        split.total.add(w);
        split.made[static_cast<std::size_t>(r.made)].add(w);
        // A draw kind once per combination, even with two flush draws' suits.
        std::array<bool, kDrawKindCount> seen{};
        for (const Draw& d : r.draws)
            seen[static_cast<std::size_t>(d.kind)] = true;
        for (std::size_t k = 0; k < seen.size(); ++k) {
            if (seen[k])
                split.draws[k].add(w);
        }
        if (!r.draws.empty())
            split.anyDraw.add(w);
        if (r.category)
            split.categories[static_cast<std::size_t>(*r.category)].add(w);
        else
            split.noneFits.add(w);
    }
    if (split.total.combos == 0)
        result.error = "no hand of the range is possible with these cards";
    return result;
}

} // namespace engine::board
