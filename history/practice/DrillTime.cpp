#include "history/practice/DrillTime.h"

#include <charconv>
#include <chrono>
#include <ctime>

namespace practice {

namespace {

std::string twoDigits(int n)
{
    return std::string{static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

std::string dateText(int year, unsigned month, unsigned day)
{
    return std::to_string(year) + "-" + twoDigits(static_cast<int>(month)) + "-" + twoDigits(static_cast<int>(day));
}

std::optional<int> number(std::string_view text)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

} // namespace

std::int64_t nowSeconds()
{
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

std::string isoTime(std::int64_t seconds)
{
    using namespace std::chrono;
    const sys_seconds t{std::chrono::seconds{seconds}};
    const sys_days day = floor<days>(t);
    const year_month_day ymd{day};
    const hh_mm_ss<std::chrono::seconds> time{t - day};
    return dateText(static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()))
        + "T" + twoDigits(static_cast<int>(time.hours().count())) + ":"
        + twoDigits(static_cast<int>(time.minutes().count())) + ":"
        + twoDigits(static_cast<int>(time.seconds().count())) + "Z";
}

std::optional<std::int64_t> parseIsoTime(std::string_view text)
{
    // YYYY-MM-DDTHH:MM:SSZ
    if (text.size() != 20 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':'
        || text[16] != ':' || text[19] != 'Z')
        return std::nullopt;
    const auto y = number(text.substr(0, 4)), mo = number(text.substr(5, 2)), d = number(text.substr(8, 2));
    const auto h = number(text.substr(11, 2)), mi = number(text.substr(14, 2)), s = number(text.substr(17, 2));
    if (!y || !mo || !d || !h || !mi || !s || *h > 23 || *mi > 59 || *s > 59)
        return std::nullopt;
    using namespace std::chrono;
    const year_month_day ymd{year{*y}, month{static_cast<unsigned>(*mo)}, day{static_cast<unsigned>(*d)}};
    if (!ymd.ok())
        return std::nullopt;
    const sys_days days{ymd};
    return days.time_since_epoch().count() * 86400LL + *h * 3600LL + *mi * 60LL + *s;
}

std::string localDay(std::int64_t seconds)
{
    const auto t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    return dateText(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1), static_cast<unsigned>(local.tm_mday));
}

std::string localDayBefore(std::int64_t seconds, int days)
{
    const auto t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    local.tm_mday -= days;
    local.tm_hour = 12; // away from a change of summer time
    local.tm_isdst = -1;
    const std::time_t moved = std::mktime(&local);
    return localDay(static_cast<std::int64_t>(moved));
}

} // namespace practice
