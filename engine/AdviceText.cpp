#include "engine/AdviceText.h"

namespace engine {

void AdviceText::assignTo(std::string& out) const
{
    if (count_ == 1) {
        out.assign(pieces_[0].text());
        return;
    }
    out.clear();
    for (std::size_t i = 0; i < count_; ++i)
        out.append(pieces_[i].text());
}

std::string AdviceText::text() const
{
    std::string out;
    assignTo(out);
    return out;
}

} // namespace engine
