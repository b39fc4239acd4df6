#include "platform/money/Money.h"

#include <atomic>
#include <bit>
#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <limits>

namespace platform {

namespace {

bool specified(char v) { return v != CHAR_MAX; }

// Whether 200 * a is an odd integer, i.e. a lies exactly halfway between two
// cents. a = m * 2^e exactly, with m a 53-bit integer; 200 * a = 25 * m * 2^(e+3)
// is an odd integer exactly when the powers of two cancel.
bool isExactHalfCent(double a)
{
    if (a == 0.0)
        return false;
    int e = 0;
    const double f = std::frexp(a, &e);
    const auto m = static_cast<std::uint64_t>(std::ldexp(f, 53));
    e -= 53;
    return std::countr_zero(m) + e + 3 == 0;
}

// Below this an amount converts to whole cents exactly: a double's 53-bit
// significand times 100 (7 bits) fits the 64 bits of the x87 long double, and
// adding a half to it stays exact while it is below 2^57.
constexpr double kCentsExactBelow = std::numeric_limits<long double>::digits >= 64 ? 1e15 : 0.0;

// Writes "<whole>.<cents>" for 0 <= a < kCentsExactBelow, rounded to the
// nearest cent and an exact half cent away from zero, as the general path
// does; returns the end.
char* writeCents(char* buf, double a)
{
    const long double hundredfold = static_cast<long double>(a) * 100.0L;
    auto cents = static_cast<std::uint64_t>(std::floor(hundredfold + 0.5L));
    char digits[24];
    char* d = digits + sizeof digits;
    for (int i = 0; i < 2; ++i) {
        *--d = static_cast<char>('0' + cents % 10);
        cents /= 10;
    }
    *--d = '.';
    do {
        *--d = static_cast<char>('0' + cents % 10);
        cents /= 10;
    } while (cents > 0);
    const auto n = static_cast<std::size_t>(digits + sizeof digits - d);
    std::memcpy(buf, d, n);
    return buf + n;
}

// Adds one unit in the last place of a decimal text such as "12.34".
void incrementLastDigit(char* begin, char*& end)
{
    for (char* p = end - 1; p >= begin; --p) {
        if (*p == '.')
            continue;
        if (*p != '9') {
            ++*p;
            return;
        }
        *p = '0';
    }
    // Carry out of the leading digit.
    for (char* p = end; p > begin; --p)
        *p = *(p - 1);
    *begin = '1';
    ++end;
}

} // namespace

MoneyLocale MoneyLocale::unitedStates()
{
    return MoneyLocale{};
}

MoneyLocale MoneyLocale::fromLconv(const lconv& lc)
{
    if (!lc.currency_symbol || !*lc.currency_symbol)
        return unitedStates();
    MoneyLocale m;
    m.currencySymbol = lc.currency_symbol;
    m.decimalPoint = lc.mon_decimal_point && *lc.mon_decimal_point ? lc.mon_decimal_point : ".";
    m.thousandsSep = lc.mon_thousands_sep ? lc.mon_thousands_sep : "";
    m.grouping = lc.mon_grouping ? lc.mon_grouping : "";
    if (m.thousandsSep == m.decimalPoint)
        m.thousandsSep.clear();
    m.positiveSign = lc.positive_sign ? lc.positive_sign : "";
    m.negativeSign = lc.negative_sign && *lc.negative_sign ? lc.negative_sign : "-";
    m.pCsPrecedes = specified(lc.p_cs_precedes) ? lc.p_cs_precedes != 0 : true;
    m.nCsPrecedes = specified(lc.n_cs_precedes) ? lc.n_cs_precedes != 0 : m.pCsPrecedes;
    m.pSepBySpace = specified(lc.p_sep_by_space) && lc.p_sep_by_space <= 2 ? lc.p_sep_by_space : 0;
    m.nSepBySpace = specified(lc.n_sep_by_space) && lc.n_sep_by_space <= 2 ? lc.n_sep_by_space : m.pSepBySpace;
    m.pSignPosn = specified(lc.p_sign_posn) && lc.p_sign_posn <= 4 ? lc.p_sign_posn : 1;
    m.nSignPosn = specified(lc.n_sign_posn) && lc.n_sign_posn <= 4 ? lc.n_sign_posn : 1;
    return m;
}

MoneyLocale MoneyLocale::fromProcess()
{
    return fromLconv(*std::localeconv());
}

namespace {

struct Affixes {
    std::string prefix;
    std::string suffix;
};

// Where symbol, sign and spaces go around the number, after POSIX's rules for
// cs_precedes, sep_by_space and sign_posn.
Affixes affixes(const std::string& cs, const std::string& sign, bool csPrecedes, int sep, int posn)
{
    const std::string space = " ";
    Affixes a;
    if (posn == 0) {
        if (csPrecedes) {
            a.prefix = "(" + cs + (sep ? space : "");
            a.suffix = ")";
        } else {
            a.prefix = "(";
            a.suffix = (sep ? space : "") + cs + ")";
        }
        return a;
    }
    if (sign.empty() && sep == 2)
        sep = 0;
    if (csPrecedes) {
        switch (posn) {
        case 2: // symbol, number, sign
            a.prefix = cs + (sep == 1 ? space : "");
            a.suffix = (sep == 2 ? space : "") + sign;
            break;
        case 4: // symbol, sign, number
            a.prefix = cs + (sep == 2 ? space : "") + sign + (sep == 1 ? space : "");
            break;
        default: // 1 and 3: sign, symbol, number
            a.prefix = sign + (sep == 2 ? space : "") + cs + (sep == 1 ? space : "");
            break;
        }
    } else {
        switch (posn) {
        case 2: // number, symbol, sign
        case 4:
            a.suffix = (sep == 1 ? space : "") + cs + (sep == 2 ? space : "") + sign;
            break;
        case 3: // number, sign, symbol
            a.suffix = (sep == 1 ? space : "") + sign + (sep == 2 ? space : "") + cs;
            break;
        default: // 1: sign, number, symbol
            a.prefix = sign + (sep == 2 ? space : "");
            a.suffix = (sep == 1 ? space : "") + cs;
            break;
        }
    }
    return a;
}

} // namespace

Money::Money(MoneyLocale locale) : locale_(std::move(locale)), number_(locale_)
{
    static std::atomic<std::uint64_t> serials{0};
    serial_ = ++serials;
    const Affixes p = affixes(locale_.currencySymbol, locale_.positiveSign, locale_.pCsPrecedes,
                              locale_.pSepBySpace, locale_.pSignPosn);
    const Affixes n = affixes(locale_.currencySymbol, locale_.negativeSign, locale_.nCsPrecedes,
                              locale_.nSepBySpace, locale_.nSignPosn);
    positive_ = {p.prefix, p.suffix};
    negative_ = {n.prefix, n.suffix};
}

const Money& Money::unitedStates()
{
    static const Money money(MoneyLocale::unitedStates());
    return money;
}

const Money& Money::process()
{
    static const Money money(MoneyLocale::fromProcess());
    return money;
}

std::optional<double> Money::toDouble(std::string_view text) const
{
    // The window reads the same big blind and limper count at every
    // recomputation: each thread keeps its last few readings of short texts
    // (plain data, so that they need no construction).
    struct Reading {
        std::uint64_t money; // 0: none yet
        std::size_t size;
        char text[24];
        bool valid;
        double value;
    };
    thread_local Reading readings[4];
    thread_local std::size_t next;
    for (const Reading& r : readings)
        if (r.money == serial_ && r.size == text.size() && std::memcmp(r.text, text.data(), text.size()) == 0)
            return r.valid ? std::optional<double>(r.value) : std::nullopt;
    const std::optional<double> value = read(text);
    if (text.size() <= sizeof Reading::text) {
        Reading& r = readings[next++ % std::size(readings)];
        r.money = serial_;
        r.size = text.size();
        std::memcpy(r.text, text.data(), text.size());
        r.valid = value.has_value();
        r.value = value.value_or(0.0);
    }
    return value;
}

std::optional<double> Money::read(std::string_view text) const
{
    if (text.find(locale_.currencySymbol) != std::string_view::npos)
        return parseMoney(text);
    return parseNumber(text, number_.read(text));
}

namespace {

// Reads the digits of "digits[.digits]" as they come. Up to 15 digits the
// value is exact: the digits as an integer are exact in a double, and so is
// the power of ten, so one division rounds correctly, exactly as the general
// conversion does. Longer numbers go the general way.
class ShortDecimal {
public:
    void digit(char c)
    {
        if (++count_ <= 15)
            digits_ = digits_ * 10 + static_cast<std::uint64_t>(c - '0');
        if (inFraction_)
            ++decimals_;
    }
    void point() { inFraction_ = true; }
    bool empty() const { return count_ == 0; }
    bool exact() const { return count_ <= 15; }
    double value() const
    {
        static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                  1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        const double whole = static_cast<double>(digits_);
        return decimals_ > 0 ? whole / kPowersOfTen[decimals_] : whole;
    }

private:
    std::uint64_t digits_ = 0;
    int count_ = 0;
    int decimals_ = 0;
    bool inFraction_ = false;
};

// The digits of a number without its separators, for the general conversion.
class PlainNumber {
public:
    explicit PlainNumber(std::size_t capacity) { text_.reserve(capacity); }
    void digit(char c) { text_.push_back(c); }
    void point() { text_.push_back('.'); }
    bool empty() const { return text_.empty(); }
    std::string_view view() const { return text_; }

private:
    std::string text_;
};

// Converts "digits[.digits]" (ASCII, at least one digit) of any length. A
// value too large for a double is refused; one too small to tell from zero is
// zero.
std::optional<double> convertPlain(std::string_view s)
{
    double value = 0;
    const auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value, std::chars_format::fixed);
    if (ptr != s.data() + s.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        const std::string_view whole = s.substr(0, s.find('.'));
        if (whole.find_first_not_of('0') != std::string_view::npos)
            return std::nullopt;
        return 0.0;
    }
    if (ec != std::errc{} || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<double> Money::parseMoney(std::string_view text) const
{
    for (int sign : {-1, 1}) {
        const Form& form = sign < 0 ? negative_ : positive_;
        if (text.size() < form.prefix.size() + form.suffix.size() || !text.starts_with(form.prefix)
            || !text.ends_with(form.suffix))
            continue;
        const std::string_view number =
            text.substr(form.prefix.size(), text.size() - form.prefix.size() - form.suffix.size());
        if (const auto value = parseNumber(number, number_.readWritten(number)))
            return sign < 0 ? -*value : *value;
    }
    return std::nullopt;
}

std::optional<double> Money::parseNumber(std::string_view number, std::optional<AmountNumber::Point> point) const
{
    if (!point)
        return std::nullopt;
    ShortDecimal d;
    number_.feed(number, *point, d);
    if (d.exact())
        return d.value();
    PlainNumber plain(number.size() + 1);
    number_.feed(number, *point, plain);
    return convertPlain(plain.view());
}

void Money::appendGrouped(std::string& out, std::string_view digits) const
{
    const std::string& g = locale_.grouping;
    const std::string& sep = locale_.thousandsSep;
    // Group sizes run from the right; the last one given repeats and CHAR_MAX
    // ends the grouping.
    std::size_t sizes[sizeof(double) * 64];
    std::size_t count = 0;
    std::size_t leading = digits.size();
    for (std::size_t gi = 0; !sep.empty() && !g.empty() && count < std::size(sizes);) {
        const char size = g[gi];
        if (size <= 0 || !specified(size) || leading <= static_cast<std::size_t>(size))
            break;
        sizes[count++] = static_cast<std::size_t>(size);
        leading -= static_cast<std::size_t>(size);
        if (gi + 1 < g.size())
            ++gi;
    }
    out.append(digits.substr(0, leading));
    std::size_t pos = leading;
    for (std::size_t k = count; k-- > 0;) {
        out.append(sep);
        out.append(digits.substr(pos, sizes[k]));
        pos += sizes[k];
    }
}

void Money::appendAmount(std::string& out, double value) const
{
    if (std::isnan(value)) {
        out.append(kAmountUnavailable);
        return;
    }
    if (std::isinf(value)) {
        out.append(kAmountTooLarge);
        return;
    }
    const double a = std::fabs(value);
    char buf[512];
    char* end = nullptr;
    if (a < kCentsExactBelow) {
        end = writeCents(buf, a);
    } else if (isExactHalfCent(a)) {
        end = std::to_chars(buf, buf + sizeof buf - 1, a, std::chars_format::fixed, 3).ptr;
        --end; // drop the 5 of the half cent and round away from zero
        incrementLastDigit(buf, end);
    } else {
        end = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, 2).ptr;
    }
    const std::string_view text(buf, static_cast<std::size_t>(end - buf));
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view cents = text.substr(point + 1);
    const bool negative = value < 0 && text.find_first_not_of("0.") != std::string_view::npos;
    const Form& form = negative ? negative_ : positive_;
    out.append(form.prefix);
    appendGrouped(out, whole);
    out.append(locale_.decimalPoint);
    out.append(cents);
    out.append(form.suffix);
}

std::string Money::amountText(double value) const
{
    std::string s;
    appendAmount(s, value);
    return s;
}

std::string Money::rangeText(double low, double high) const
{
    std::string s;
    appendAmount(s, low);
    s.append(" to ");
    appendAmount(s, high);
    return s;
}

} // namespace platform
