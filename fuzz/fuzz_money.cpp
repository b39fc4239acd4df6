// The numeric test and the money texts: any text the test accepts converts to
// a finite value whose money text passes the test again and converts back to
// the same amount to the cent; any double formats to a sound text.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string_view>

#include "platform/money/Money.h"
#include "tests/support/EuroMoney.h"

namespace {

using testsupport::euroMoney;

void check(bool ok)
{
    if (!ok)
        std::abort();
}

void roundTrip(const platform::Money& money, std::string_view text)
{
    const auto value = money.toDouble(text);
    if (!value)
        return;
    check(std::isfinite(*value));
    const std::string shown = money.amountText(*value);
    const auto again = money.toDouble(shown);
    check(again.has_value());
    // The text read back is the same amount to the cent: it shows the same.
    check(money.amountText(*again) == shown);
    // And the cents are those of the value, give or take the rounding of a
    // double this large.
    const double slack = 0.005 + std::fabs(*value) * 4 * std::numeric_limits<double>::epsilon();
    check(std::fabs(*again - *value) <= slack);
}

void formatAny(const platform::Money& money, double v)
{
    const std::string s = money.amountText(v);
    check(!s.empty());
    if (!std::isfinite(v)) {
        check(!money.isNumeric(s));
        return;
    }
    check(money.isNumeric(s));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    roundTrip(platform::Money::unitedStates(), text);
    roundTrip(euroMoney(), text);
    if (size >= sizeof(double)) {
        double v;
        std::memcpy(&v, data, sizeof v);
        formatAny(platform::Money::unitedStates(), v);
        formatAny(euroMoney(), v);
    }
    return 0;
}
