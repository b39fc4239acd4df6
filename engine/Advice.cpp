#include "engine/Advice.h"

#include "engine/PokerState.h"

namespace engine {

void AdviceText::writeTo(std::string& out) const
{
    out.clear();
    for (std::size_t i = 0; i < count_; ++i) {
        const AdvicePiece& p = pieces_[i];
        out.append(p.literal ? std::string_view(p.literal) : adviceText(p.key));
    }
}

void writeAdviceOrFallback(PokerState& s, const AdviceRow* row)
{
    if (row) {
        row->cell(selectedPosition(s)).writeTo(s.adviseText);
        return;
    }
    s.adviseText.assign(s.lblCardValue.caption().empty() ? kEnterHoleCards : kNotPlayable);
}

} // namespace engine
