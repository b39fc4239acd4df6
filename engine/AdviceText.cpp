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

bool AdviceText::operator==(const AdviceText& other) const
{
    if (count_ != other.count_)
        return false;
    for (std::size_t i = 0; i < count_; ++i) {
        const AdvicePiece& a = pieces_[i];
        const AdvicePiece& b = other.pieces_[i];
        if ((a.literal == nullptr) != (b.literal == nullptr))
            return false;
        if (a.literal ? std::string_view(a.literal) != std::string_view(b.literal) : a.key != b.key)
            return false;
    }
    return true;
}

std::string AdviceText::text() const
{
    std::string out;
    assignTo(out);
    return out;
}

} // namespace engine
