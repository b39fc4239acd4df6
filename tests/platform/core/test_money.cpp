// Money texts and the numeric test: the built-in United States format, and
// real locales loaded from LOCPATH.

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "platform/money/Money.h"

using platform::Money;
using platform::MoneyLocale;

namespace {


struct AmountCase {
    double value;
    const char* text;
};

class UsAmount : public ::testing::TestWithParam<AmountCase> {};

TEST_P(UsAmount, Formats)
{
    EXPECT_EQ(platform::Money::unitedStates().amountText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsAmount,
    ::testing::Values(AmountCase{8, "$8.00"}, AmountCase{0.875, "$0.88"}, AmountCase{4000, "$4,000.00"},
                      AmountCase{-8, "($8.00)"}, AmountCase{0, "$0.00"}, AmountCase{-0.0, "$0.00"},
                      // below half a cent a negative amount is zero, not "($0.00)"
                      AmountCase{-0.004, "$0.00"}, AmountCase{0.25, "$0.25"},
                      // exact half cents round away from zero
                      AmountCase{0.125, "$0.13"}, AmountCase{-0.125, "($0.13)"}, AmountCase{2.5 / 100, "$0.03"},
                      AmountCase{0.375, "$0.38"}, AmountCase{999.995 + 0.0, "$1,000.00"},
                      // 2.675 is slightly below 2.675 in binary: not a half cent
                      AmountCase{2.675, "$2.67"}, AmountCase{0.005, "$0.01"},
                      AmountCase{9999999999.0 * 6, "$59,999,999,994.00"}, AmountCase{1234567.891, "$1,234,567.89"},
                      AmountCase{100, "$100.00"}, AmountCase{1000000, "$1,000,000.00"},
                      AmountCase{1e22, "$10,000,000,000,000,000,000,000.00"},
                      AmountCase{std::numeric_limits<double>::infinity(), "Amount too large"},
                      AmountCase{-std::numeric_limits<double>::infinity(), "Amount too large"},
                      AmountCase{std::numeric_limits<double>::quiet_NaN(), "Amount unavailable"}));

// A plain reference: the correctly rounded decimal of the double, with an
// exact half cent (tested on the binary value) going away from zero.
std::string referenceCents(double a)
{
    char buf[512];
    int e = 0;
    const double f = std::frexp(a, &e);
    const auto m = static_cast<std::uint64_t>(std::ldexp(f, 53));
    const bool half = a != 0 && std::countr_zero(m) + (e - 53) + 3 == 0;
    if (!half)
        return std::string(buf, std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, 2).ptr);
    // "x.xx5" exactly: drop the 5 and carry one cent up.
    std::string t(buf, std::to_chars(buf, buf + sizeof buf, a, std::chars_format::fixed, 3).ptr);
    t.pop_back();
    for (std::size_t i = t.size(); i-- > 0;) {
        if (t[i] == '.')
            continue;
        if (t[i] != '9') {
            ++t[i];
            return t;
        }
        t[i] = '0';
    }
    return "1" + t;
}

TEST(UsAmount, EveryAmountBelowAQuadrillionRoundsAsTheExactDecimalDoes)
{
    // Random amounts of every size, the binary neighbours of each x.xx5, and
    // exact half cents.
    std::uint64_t state = 42;
    auto next = [&] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return state >> 11;
    };
    const Money plain(MoneyLocale{"", ".", "", "", "", "-", true, true, 0, 0, 1, 1});
    for (int i = 0; i < 200000; ++i) {
        const double magnitude = std::pow(10.0, static_cast<double>(next() % 16));
        double a = static_cast<double>(next()) / static_cast<double>(1ull << 53) * magnitude;
        if (i % 3 == 1) {
            a = (std::floor(a * 100) + 0.5) / 100;
            a = std::nextafter(a, i % 2 ? 0.0 : 1e300);
        } else if (i % 3 == 2) {
            a = static_cast<double>(next() % 100000) / 8; // multiples of 0.125: halves and quarters of a cent
        }
        if (a >= 1e15)
            continue;
        EXPECT_EQ(plain.amountText(a), referenceCents(a)) << std::hexfloat << a;
    }
}

TEST(UsAmount, RangeJoinsTwoAmounts)
{
    EXPECT_EQ(platform::Money::unitedStates().rangeText(8, 12), "$8.00 to $12.00");
}

TEST(UsAmount, HugeFiniteAmountsPrintEveryDigit)
{
    const std::string s = platform::Money::unitedStates().amountText(std::numeric_limits<double>::max());
    EXPECT_EQ(s.substr(0, 5), "$179,");
    EXPECT_EQ(s.substr(s.size() - 3), ".00");
    EXPECT_EQ(s.size(), 1 + 309 + 102 + 3); // symbol, digits, separators, cents
    EXPECT_EQ(platform::Money::unitedStates().toDouble(s), std::numeric_limits<double>::max());
}

struct NumericCase {
    const char* text;
    std::optional<double> value;
};

class UsNumeric : public ::testing::TestWithParam<NumericCase> {};

TEST_P(UsNumeric, AcceptsTypedAndWrittenFormsOnly)
{
    EXPECT_EQ(platform::Money::unitedStates().toDouble(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UsNumeric,
    ::testing::Values(
        // what can be typed: digits with at most one point
        NumericCase{"2", 2.0}, NumericCase{"12.5", 12.5}, NumericCase{".5", 0.5}, NumericCase{"5.", 5.0},
        NumericCase{"0000", 0.0}, NumericCase{"9999999999", 9999999999.0}, NumericCase{"0.25", 0.25},
        // what the program writes
        NumericCase{"$5.00", 5.0}, NumericCase{"$4,000.00", 4000.0}, NumericCase{"($8.00)", -8.0},
        NumericCase{"$0.88", 0.88}, NumericCase{"$1,234,567.89", 1234567.89},
        // neither
        NumericCase{"1,000", 1000.0}, NumericCase{"0,50", 0.5},
        NumericCase{"", std::nullopt}, NumericCase{".", std::nullopt}, NumericCase{"1.2.5", std::nullopt},
        NumericCase{"1,00", 1.0}, NumericCase{"1,00,000", std::nullopt}, NumericCase{" 5", std::nullopt}, NumericCase{"5 ", std::nullopt},
        NumericCase{"-5", std::nullopt}, NumericCase{"+5", std::nullopt}, NumericCase{"1e5", std::nullopt},
        NumericCase{"0x10", std::nullopt}, NumericCase{"$", std::nullopt}, NumericCase{"$,5.00", std::nullopt},
        NumericCase{"$5,.00", std::nullopt}, NumericCase{"$5.00.00", std::nullopt},
        NumericCase{"($8.00", std::nullopt}, NumericCase{"$8.00)", std::nullopt}, NumericCase{"-$8.00", std::nullopt},
        NumericCase{"$$8.00", std::nullopt}, NumericCase{"8.00$", std::nullopt}, NumericCase{"Fold", std::nullopt},
        NumericCase{"Amount too large", std::nullopt}, NumericCase{"inf", std::nullopt},
        NumericCase{"nan", std::nullopt}, NumericCase{"\xEF\xBC\x95", std::nullopt}));

TEST(UsNumeric, NumbersTooLargeForADoubleAreRefusedAndTinyOnesAreZero)
{
    EXPECT_FALSE(platform::Money::unitedStates().isNumeric(std::string(400, '9')));
    EXPECT_EQ(platform::Money::unitedStates().toDouble("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(platform::Money::unitedStates().toDouble(std::string(300, '9')), 1e300);
}

TEST(UsNumeric, LeavingTheBoxTwiceGivesTheSameText)
{
    for (const char* typed : {"2", "12.5", ".5", "5.", "0.875", "2.675", "1000000", "9999999999", "0.001"}) {
        const std::string once = platform::Money::unitedStates().amountText(*platform::Money::unitedStates().toDouble(typed));
        const auto again = platform::Money::unitedStates().toDouble(once);
        ASSERT_TRUE(again) << once;
        EXPECT_EQ(platform::Money::unitedStates().amountText(*again), once);
    }
}

// Real locales, compiled by the test set-up into TABLEWISE_TEST_LOCPATH.
class RealLocale : public ::testing::Test {
protected:
    static std::optional<Money> load(const char* name)
    {
        const char* path = std::getenv("TABLEWISE_TEST_LOCPATH");
        if (!path)
            return std::nullopt;
        setenv("LOCPATH", path, 1);
        if (!std::setlocale(LC_ALL, name))
            return std::nullopt;
        Money m(MoneyLocale::fromProcess());
        std::setlocale(LC_ALL, "C");
        return m;
    }
};

TEST_F(RealLocale, CLocaleFallsBackToTheUnitedStatesFormat)
{
    std::setlocale(LC_ALL, "C");
    const Money m(MoneyLocale::fromProcess());
    EXPECT_EQ(m.amountText(-4000), "($4,000.00)");
    EXPECT_EQ(m.rangeText(0.875, 1), "$0.88 to $1.00");
}

TEST_F(RealLocale, German)
{
    const auto m = load("de_DE.UTF-8");
    ASSERT_TRUE(m) << "de_DE.UTF-8 not available under TABLEWISE_TEST_LOCPATH";
    EXPECT_EQ(m->amountText(8), "8,00 \xE2\x82\xAC");
    EXPECT_EQ(m->amountText(4000), "4.000,00 \xE2\x82\xAC");
    EXPECT_EQ(m->amountText(-8), "-8,00 \xE2\x82\xAC");
    EXPECT_EQ(m->amountText(0.875), "0,88 \xE2\x82\xAC");
    // A "." grouping three digits groups; any other "." or "," is the point.
    EXPECT_EQ(m->toDouble("4.000,00 \xE2\x82\xAC"), 4000.0);
    EXPECT_EQ(m->toDouble("-8,00 \xE2\x82\xAC"), -8.0);
    EXPECT_EQ(m->toDouble("12.5"), 12.5);
    EXPECT_EQ(m->toDouble("12,5"), 12.5);
    EXPECT_EQ(m->toDouble("0,50"), 0.5);
    EXPECT_EQ(m->toDouble(",5"), 0.5);
    EXPECT_FALSE(m->isNumeric("1,2,5"));
    EXPECT_FALSE(m->isNumeric("1.2,5"));
    EXPECT_EQ(m->toDouble("1.000,00"), 1000.0);
    EXPECT_EQ(m->toDouble("12.345"), 12345.0);
    EXPECT_FALSE(m->isNumeric("$5.00"));
}

TEST_F(RealLocale, UnitedStatesFollowsTheLocaleForNegatives)
{
    const auto m = load("en_US.UTF-8");
    ASSERT_TRUE(m) << "en_US.UTF-8 not available under TABLEWISE_TEST_LOCPATH";
    EXPECT_EQ(m->amountText(4000), "$4,000.00");
    EXPECT_EQ(m->amountText(-8), "-$8.00");
    EXPECT_EQ(m->toDouble("-$8.00"), -8.0);
    EXPECT_EQ(m->toDouble("1,5"), 1.5); // groups no three digits: a decimal point
    EXPECT_EQ(m->toDouble("1,500"), 1500.0);
}

TEST_F(RealLocale, FrenchGroupsWithANarrowSpace)
{
    const auto m = load("fr_FR.UTF-8");
    ASSERT_TRUE(m) << "fr_FR.UTF-8 not available under TABLEWISE_TEST_LOCPATH";
    const std::string s = m->amountText(1234.5);
    EXPECT_EQ(m->toDouble(s), 1234.5) << s;
    EXPECT_NE(s.find("1"), std::string::npos);
    EXPECT_EQ(s.substr(s.size() - 3), "\xE2\x82\xAC");
}

TEST(MoneyRoundTrip, EveryWrittenTextReadsBackToTheSameCent)
{
    MoneyLocale swiss;
    swiss.currencySymbol = "CHF";
    swiss.thousandsSep = "'";
    swiss.pSepBySpace = swiss.nSepBySpace = 1;
    swiss.nSignPosn = 4;
    const Money ch(swiss);
    for (const Money* m : {&platform::Money::unitedStates(), &ch}) {
        for (double v : {0.0, 0.01, 0.875, 1.0, 12.34, 999.999, 1e6, -0.5, -1234.56, 123456789.12}) {
            const std::string s = m->amountText(v);
            const auto back = m->toDouble(s);
            ASSERT_TRUE(back) << s;
            EXPECT_NEAR(*back, v, 0.005 + 1e-9) << s;
        }
    }
}

} // namespace
