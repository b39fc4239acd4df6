#include "platform/money/AmountNumber.h"

#include <climits>

#include "platform/money/Money.h"

namespace platform {

namespace {

constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

AmountNumber::AmountNumber(const MoneyLocale& locale)
    : point_(locale.decimalPoint.empty() ? std::string(".") : locale.decimalPoint),
      group_(locale.grouping.empty() || locale.thousandsSep == point_ ? std::string() : locale.thousandsSep),
      grouping_(locale.grouping)
{
}

AmountNumber::Separator AmountNumber::separatorAt(std::string_view text, std::size_t at) const
{
    const std::string_view rest = text.substr(at);
    Separator s;
    std::size_t pointLength = 0;
    if (rest[0] == '.' || rest[0] == ',')
        pointLength = 1;
    else if (rest.starts_with(point_))
        pointLength = point_.size();
    s.groups = !group_.empty() && rest.starts_with(group_);
    s.point = pointLength > 0 && (!s.groups || pointLength == group_.size());
    s.length = s.groups ? group_.size() : pointLength;
    return s;
}

std::size_t AmountNumber::groupSize(std::size_t k) const
{
    std::size_t size = 0;
    for (std::size_t i = 0; i < grouping_.size(); ++i) {
        const char g = grouping_[i];
        if (g <= 0 || g == CHAR_MAX)
            return 0;
        size = static_cast<std::size_t>(g);
        if (i == k)
            return size;
    }
    return size;
}

bool AmountNumber::isGrouped(std::string_view text, std::size_t end, std::size_t groups) const
{
    // A number large enough to be grouped has no leading zero.
    if (groups > 0 && end > 0 && text[0] == '0')
        return false;
    std::size_t group = 0; // 0: the head
    std::size_t run = 0;
    const auto closes = [&] {
        if (group == 0) {
            const std::size_t most = groupSize(groups);
            return run >= 1 && (most == 0 || run <= most);
        }
        const std::size_t size = groupSize(groups - group);
        return size != 0 && run == size;
    };
    for (std::size_t i = 0; i < end;) {
        if (isDigit(text[i])) {
            ++run;
            ++i;
            continue;
        }
        const Separator s = separatorAt(text, i);
        if (!s.groups || !closes())
            return false;
        ++group;
        run = 0;
        i += s.length;
    }
    return group == groups && closes();
}

std::optional<AmountNumber::Point> AmountNumber::read(std::string_view text) const
{
    std::size_t digits = 0;
    std::size_t separators = 0;
    Separator last;
    std::size_t lastAt = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (isDigit(text[i])) {
            ++digits;
            ++i;
            continue;
        }
        const Separator s = separatorAt(text, i);
        if (s.length == 0)
            return std::nullopt;
        ++separators;
        last = s;
        lastAt = i;
        i += s.length;
    }
    if (digits == 0)
        return std::nullopt;
    if (separators == 0)
        return Point{};
    if (last.groups && isGrouped(text, text.size(), separators))
        return Point{};
    if (last.point && (separators == 1 || isGrouped(text, lastAt, separators - 1)))
        return Point{lastAt, last.length};
    return std::nullopt;
}

std::optional<AmountNumber::Point> AmountNumber::readWritten(std::string_view number) const
{
    std::size_t i = 0;
    std::size_t digits = 0;
    bool afterGroup = false;
    while (i < number.size()) {
        if (isDigit(number[i])) {
            ++digits;
            ++i;
            afterGroup = false;
        } else if (!group_.empty() && digits > 0 && !afterGroup && number.substr(i).starts_with(group_)) {
            i += group_.size();
            afterGroup = true;
        } else {
            break;
        }
    }
    if (digits == 0 || afterGroup)
        return std::nullopt;
    if (i == number.size())
        return Point{};
    if (!number.substr(i).starts_with(point_))
        return std::nullopt;
    const Point point{i, point_.size()};
    for (i += point_.size(); i < number.size(); ++i)
        if (!isDigit(number[i]))
            return std::nullopt;
    return point;
}

bool AmountNumber::isStartOf(std::string_view text) const
{
    if (read(text))
        return true;
    // Only the last group can still be short of digits.
    const std::size_t most = groupSize(0) > 0 ? groupSize(0) : 1;
    std::string longer(text.size() + most, '0');
    text.copy(longer.data(), text.size());
    for (std::size_t added = 1; added <= most; ++added)
        if (read(std::string_view(longer).substr(0, text.size() + added)))
            return true;
    return false;
}

bool AmountNumber::isSeparator(std::string_view text) const
{
    return !text.empty() && separatorAt(text, 0).length == text.size();
}

} // namespace platform
