#include "platform/money/TypedAmount.h"

#include "platform/money/Money.h"
#include "platform/text/Utf8.h"

namespace platform {

TypedAmount::TypedAmount(const Money& money) : money_(money)
{
    const std::string& point = money.locale().decimalPoint;
    point_ = utf8::length(point) == 1 ? utf8::codePoints(point)[0] : U'.';
    utf8::append(pointText_, point_);
}

bool TypedAmount::takes(std::string_view text, std::size_t selStart, std::size_t selLength, int key) const
{
    if (key != '.' && (key < 0 || static_cast<char32_t>(key) != point_))
        return key >= '0' && key <= '9';
    // A second decimal point never comes in: the selection it replaces may
    // hold the first.
    const std::size_t from = utf8::offsetOf(text, selStart);
    const std::size_t to = utf8::offsetOf(text, selStart + selLength);
    const auto holdsPoint = [this](std::string_view part) {
        return part.find('.') != std::string_view::npos || part.find(pointText_) != std::string_view::npos;
    };
    return !holdsPoint(text.substr(0, from)) && !holdsPoint(text.substr(to));
}

bool TypedAmount::isPoint(std::string_view text, std::size_t at, std::size_t& length) const
{
    if (text[at] == '.')
        length = 1;
    else if (text.substr(at, pointText_.size()) == pointText_)
        length = pointText_.size();
    else
        return false;
    return true;
}

bool TypedAmount::isTyped(std::string_view text) const
{
    std::size_t characters = 0;
    bool point = false;
    for (std::size_t at = 0; at < text.size(); ++characters) {
        if (text[at] >= '0' && text[at] <= '9') {
            ++at;
            continue;
        }
        std::size_t length = 0;
        if (point || !isPoint(text, at, length))
            return false;
        point = true;
        at += length;
    }
    return characters <= kMaxLength;
}

std::optional<double> TypedAmount::read(std::string_view text) const
{
    return money_.toDouble(text);
}

} // namespace platform
