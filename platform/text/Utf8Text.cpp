#include "platform/text/Utf8Text.h"

#include "platform/text/StoreText.h"
#include "platform/text/Utf8.h"

namespace platform {

namespace {

// Bytes on either side of an edit whose decoding the edit may change: a
// sequence is at most four bytes long, so a lead byte more than three bytes
// before the edit, or after it, reads the same bytes as before.
constexpr std::size_t kSeam = 3;

} // namespace

bool Utf8Text::assign(std::string_view text)
{
    if (!storeText(bytes_, text))
        return false;
    length_ = kUnknown;
    markIndex_ = 0;
    markByte_ = 0;
    return true;
}

std::size_t Utf8Text::length() const
{
    if (length_ == kUnknown)
        moveMarkTo(kUnknown);
    return length_;
}

std::size_t Utf8Text::offsetOf(std::size_t index) const
{
    moveMarkTo(index);
    return markByte_;
}

void Utf8Text::moveMarkTo(std::size_t index) const
{
    if (length_ != kUnknown && index >= length_) {
        markIndex_ = length_;
        markByte_ = bytes_.size();
        return;
    }
    // Start from the nearest known place: the mark, the start or the end.
    if (index < markIndex_ && index < markIndex_ - index) {
        markIndex_ = 0;
        markByte_ = 0;
    } else if (length_ != kUnknown && index > markIndex_ && length_ - index < index - markIndex_) {
        markIndex_ = length_;
        markByte_ = bytes_.size();
    }
    while (markIndex_ < index && markByte_ < bytes_.size()) {
        markByte_ = utf8::nextOffset(bytes_, markByte_);
        ++markIndex_;
    }
    while (markIndex_ > index) {
        markByte_ = utf8::previousOffset(bytes_, markByte_);
        --markIndex_;
    }
    if (markByte_ == bytes_.size())
        length_ = markIndex_;
}

bool Utf8Text::replace(std::size_t start, std::size_t count, std::string_view with)
{
    moveMarkTo(start);
    const std::size_t from = markByte_;
    std::size_t to = from;
    std::size_t removed = 0;
    for (; removed < count && to < bytes_.size(); ++removed)
        to = utf8::nextOffset(bytes_, to);
    if (bytes_.compare(from, to - from, with) == 0)
        return false;

    // Code points of the old text around the edit, from a place before it
    // that the edit leaves as it is to one after it.
    std::size_t seamIndex = markIndex_;
    std::size_t seamStart = from;
    while (seamStart > 0 && from - seamStart < kSeam) {
        seamStart = utf8::previousOffset(bytes_, seamStart);
        --seamIndex;
    }
    std::size_t seamEnd = to;
    std::size_t after = 0;
    for (; after < kSeam && seamEnd < bytes_.size(); ++after)
        seamEnd = utf8::nextOffset(bytes_, seamEnd);
    const std::size_t oldCount = (markIndex_ - seamIndex) + removed + after;

    bytes_.replace(from, to - from, with);
    if (length_ != kUnknown) {
        const std::size_t newSeamEnd = seamEnd - (to - from) + with.size();
        const std::string_view seam(bytes_.data() + seamStart, newSeamEnd - seamStart);
        length_ = length_ - oldCount + utf8::length(seam);
    }
    markIndex_ = seamIndex;
    markByte_ = seamStart;
    return true;
}

} // namespace platform
