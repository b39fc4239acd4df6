// The one rule for amounts a user types: what a box takes key by key, what a
// whole text must be, how it reads, and that every amount the program writes
// reads back as itself, in de_DE, en_US, fr_FR and C (whose stand-in is the
// United States format).

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/money/Money.h"
#include "platform/money/TypedAmount.h"
#include "platform/text/Utf8.h"
#include "tests/support/EuroMoney.h"

using platform::Money;
using platform::MoneyLocale;
using platform::TypedAmount;

namespace {

enum Locale { De, Us, Fr, C, kLocales };
constexpr const char* kLocaleNames[kLocales] = {"de_DE.UTF-8", "en_US.UTF-8", "fr_FR.UTF-8", "C"};

// The money format of a real locale, compiled by the test set-up into
// TABLEWISE_TEST_LOCPATH; nothing when it is not there.
const Money* moneyOf(Locale l)
{
    static std::map<Locale, std::unique_ptr<Money>> loaded;
    if (const auto it = loaded.find(l); it != loaded.end())
        return it->second.get();
    std::unique_ptr<Money>& m = loaded[l];
    if (const char* path = std::getenv("TABLEWISE_TEST_LOCPATH"))
        setenv("LOCPATH", path, 1);
    if (std::setlocale(LC_ALL, kLocaleNames[l]))
        m = std::make_unique<Money>(MoneyLocale::fromProcess());
    std::setlocale(LC_ALL, "C");
    return m.get();
}

const Money& money(Locale l)
{
    const Money* m = moneyOf(l);
    if (!m)
        ADD_FAILURE() << kLocaleNames[l] << " not available under TABLEWISE_TEST_LOCPATH";
    return m ? *m : Money::unitedStates();
}

constexpr std::optional<double> kNone = std::nullopt;
#define NNBSP "\xE2\x80\xAF" // fr_FR's grouping, the narrow no-break space
#define EURO "\xE2\x82\xAC"

struct ReadCase {
    const char* text;
    std::optional<double> value[kLocales]; // de_DE, en_US, fr_FR, C
};

const ReadCase kReadCases[] = {
    // digits and one decimal point, as before
    {"12", {12, 12, 12, 12}},
    {"12.5", {12.5, 12.5, 12.5, 12.5}},
    {".5", {0.5, 0.5, 0.5, 0.5}},
    {"5.", {5, 5, 5, 5}},
    {"9999999999", {9999999999, 9999999999, 9999999999, 9999999999}},
    // a comma not grouping three digits is a decimal point in every locale
    {"0,50", {0.5, 0.5, 0.5, 0.5}},
    {"9,99", {9.99, 9.99, 9.99, 9.99}},
    {",5", {0.5, 0.5, 0.5, 0.5}},
    {"5,", {5, 5, 5, 5}},
    // the locale's grouping character, when it groups three digits
    {"1.000", {1000, 1, 1, 1}},
    {"12.345", {12345, 12.345, 12.345, 12.345}},
    {"1,000", {1, 1000, 1, 1000}},
    {"12.345,5", {12345.5, kNone, kNone, kNone}},
    {"1.000,00", {1000, kNone, kNone, kNone}},
    {"1.500,5", {1500.5, kNone, kNone, kNone}},
    {"1,000.5", {kNone, 1000.5, kNone, 1000.5}},
    {"1.000.000", {1000000, kNone, kNone, kNone}},
    {"1,000,000", {kNone, 1000000, kNone, 1000000}},
    {"1" NNBSP "000", {kNone, kNone, 1000, kNone}},
    {"1" NNBSP "000,5", {kNone, kNone, 1000.5, kNone}},
    {"1.000,", {1000, kNone, kNone, kNone}},
    {"1,000.", {kNone, 1000, kNone, 1000}},
    // a group that is not three digits long makes the separator a point
    {"1234.567", {1234.567, 1234.567, 1234.567, 1234.567}},
    {"1.0000", {1, 1, 1, 1}},
    {".500", {0.5, 0.5, 0.5, 0.5}},
    {"0.500", {0.5, 0.5, 0.5, 0.5}},
    {"0,250", {0.25, 0.25, 0.25, 0.25}},
    {"01.000", {1, 1, 1, 1}},
    {"1.000.5", {1000.5, kNone, kNone, kNone}},
    // no amount: two points, a group of the wrong size, no digit, other signs
    {"1.2.5", {kNone, kNone, kNone, kNone}},
    {"1,2,5", {kNone, kNone, kNone, kNone}},
    {"1.00.000", {kNone, kNone, kNone, kNone}},
    {"12.34.567", {kNone, kNone, kNone, kNone}},
    {"1,2.5", {kNone, kNone, kNone, kNone}},
    {"1.2,5", {kNone, kNone, kNone, kNone}},
    {"1" NNBSP "00", {kNone, kNone, kNone, kNone}},
    {"1 000", {kNone, kNone, kNone, kNone}},
    {"", {kNone, kNone, kNone, kNone}},
    {".", {kNone, kNone, kNone, kNone}},
    {",", {kNone, kNone, kNone, kNone}},
    {"-1", {kNone, kNone, kNone, kNone}},
    {"1e5", {kNone, kNone, kNone, kNone}},
    // the money texts the box writes, whole or cut down
    {"12.345,00 " EURO, {12345, kNone, kNone, kNone}},
    {"12.345 " EURO, {12345, kNone, kNone, kNone}},
    {"-1.500,50 " EURO, {-1500.5, kNone, kNone, kNone}},
    {"12" NNBSP "345,00 " EURO, {kNone, kNone, 12345, kNone}},
    {"$12,345.00", {kNone, 12345, kNone, 12345}},
    {"-$8.00", {kNone, -8, kNone, kNone}},
    {"($8.00)", {kNone, kNone, kNone, -8}},
    // a money text cut down keeps the grouping it was written with
    {"$1,00", {kNone, 100, kNone, 100}},
    {"1.50 " EURO, {150, kNone, kNone, kNone}},
    {"$12,34.00", {kNone, 1234, kNone, 1234}},
    {"$1.000", {kNone, 1, kNone, 1}},
    {"$1,", {kNone, kNone, kNone, kNone}},
    {"$,5", {kNone, kNone, kNone, kNone}},
};

TEST(TypedAmountReading, EachLocaleReadsItsTable)
{
    for (const ReadCase& c : kReadCases) {
        for (int l = 0; l < kLocales; ++l) {
            const Money& m = money(static_cast<Locale>(l));
            EXPECT_EQ(TypedAmount(m).read(c.text), c.value[l]) << c.text << " in " << kLocaleNames[l];
            EXPECT_EQ(m.toDouble(c.text), c.value[l]) << c.text << " in " << kLocaleNames[l];
        }
    }
}

struct TypedCase {
    const char* text;
    bool typed[kLocales];
};

TEST(TypedAmountReading, TypedTextsAreNumbersOfTenCharactersAtMost)
{
    const TypedCase cases[] = {
        {"", {true, true, true, true}}, // nothing typed
        {"1.000.000", {true, false, false, false}},
        {"12.345,50", {true, false, false, false}},
        {"1,000,000", {false, true, false, true}},
        {"1" NNBSP "000" NNBSP "000", {false, false, true, false}}, // nine characters
        {"9999999999", {true, true, true, true}},
        {"99999999999", {false, false, false, false}},
        {"123456789,", {true, true, true, true}},
        {"1.000.000,5", {false, false, false, false}}, // eleven characters
        {"12.345,00 " EURO, {false, false, false, false}},
        {"$5", {false, false, false, false}},
        {" 5", {false, false, false, false}},
    };
    for (const TypedCase& c : cases)
        for (int l = 0; l < kLocales; ++l)
            EXPECT_EQ(TypedAmount(money(static_cast<Locale>(l))).isTyped(c.text), c.typed[l])
                << c.text << " in " << kLocaleNames[l];
}

struct KeyCase {
    const char* text;
    std::size_t selStart, selLength;
    char32_t key;
    bool takes[kLocales];
};

TEST(TypedAmountKeys, EachLocaleTakesTheSeparatorsThatLeaveAnAmountOrTheStartOfOne)
{
    const KeyCase cases[] = {
        {"12", 2, 0, '5', {true, true, true, true}},
        {"12", 2, 0, '.', {true, true, true, true}},
        {"12", 2, 0, ',', {true, true, true, true}},
        {"12", 2, 0, U'\u202F', {false, false, true, false}},
        {"1", 1, 0, U'\u202F', {false, false, true, false}},
        {"1\u202F00", 4, 0, '0', {true, true, true, true}},
        {"12", 2, 0, ' ', {false, false, false, false}},
        {"12", 0, 0, 'a', {false, false, false, false}},
        {"12", 0, 0, '-', {false, false, false, false}},
        // a second decimal point never comes in
        {"1.2", 3, 0, '.', {false, false, false, false}},
        {"1,2", 3, 0, ',', {false, false, false, false}},
        {"1,2", 3, 0, '.', {false, false, false, false}},
        {"1.000,5", 7, 0, ',', {false, false, false, false}},
        // a grouping character before a point that the text already holds
        {"12345,5", 2, 0, '.', {true, false, false, false}},
        {"12345.5", 2, 0, ',', {false, true, false, true}},
        // after a group, the point
        {"1.000", 5, 0, ',', {true, false, false, false}},
        {"1,000", 5, 0, '.', {false, true, false, true}},
        // a selection that holds the point may be typed over with one
        {"1.2", 1, 1, ',', {true, true, true, true}},
        {"1.2", 0, 3, '.', {true, true, true, true}},
        // digits go in whatever the box holds: a digit typed into a money
        // text stays
        {"$2.00", 5, 0, '7', {true, true, true, true}},
        {"2,00 \u20AC", 6, 0, '.', {false, false, false, false}},
        // a money text cut down to its symbol takes a point, as before
        {"$", 1, 0, '.', {false, true, false, true}},
        {"$1,", 3, 0, '.', {false, true, false, true}},
        {"$1.5", 4, 0, '.', {false, false, false, false}},
        // the number of a money text may still be edited
        {"1.500 \u20AC", 5, 0, ',', {true, false, false, false}},
    };
    for (const KeyCase& c : cases) {
        for (int l = 0; l < kLocales; ++l) {
            const TypedAmount amount(money(static_cast<Locale>(l)));
            EXPECT_EQ(amount.takes(c.text, c.selStart, c.selLength, static_cast<int>(c.key)), c.takes[l])
                << c.text << " key " << static_cast<std::uint32_t>(c.key) << " in " << kLocaleNames[l];
        }
    }
}

// A text the box may hold on the way to an amount, for a validator that must
// let it pass.
TEST(TypedAmountKeys, StartsOfTypedAmounts)
{
    const TypedCase cases[] = {
        {"1" NNBSP "00", {false, false, true, false}},
        {"1" NNBSP, {false, false, true, false}},
        {"1.", {true, true, true, true}},
        {",", {true, true, true, true}},
        {"", {true, true, true, true}},
        {"1.2.", {false, false, false, false}},
        {"1.00.0", {false, false, false, false}},
        {"12345678" NNBSP "00", {false, false, false, false}}, // more than ten characters
    };
    for (const TypedCase& c : cases)
        for (int l = 0; l < kLocales; ++l)
            EXPECT_EQ(TypedAmount(money(static_cast<Locale>(l))).isStartOfTyped(c.text), c.typed[l])
                << c.text << " in " << kLocaleNames[l];
}

// The number of a money text: from its first digit to its last.
std::string numberOf(const std::string& text)
{
    const std::size_t first = text.find_first_of("0123456789");
    const std::size_t last = text.find_last_of("0123456789");
    return text.substr(first, last - first + 1);
}

class RoundTrip : public ::testing::TestWithParam<Locale> {};

// For amounts of every size, the money text reads back as the same amount to
// the cent, and so does its number alone, as a player leaves it after
// deleting the currency symbol; a whole amount also without its cents; and
// the amount as the chart's box writes it.
TEST_P(RoundTrip, EveryWrittenAmountReadsBackAsItself)
{
    const Money& m = money(GetParam());
    const TypedAmount amount(m);
    std::uint64_t state = 7;
    auto next = [&] {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return state >> 11;
    };
    for (int i = 0; i < 20000; ++i) {
        const double magnitude = std::pow(10.0, static_cast<double>(next() % 14));
        double v = std::round(static_cast<double>(next() % 1000000) / 1e6 * magnitude * 100) / 100;
        if (i % 4 == 1)
            v = std::floor(v);
        if (i % 5 == 2)
            v = -v;
        const std::string written = m.amountText(v);
        const auto back = amount.read(written);
        ASSERT_TRUE(back) << written;
        EXPECT_EQ(m.amountText(*back), written);
        if (v < 0)
            continue;
        const auto typed = amount.read(amount.write(v));
        ASSERT_TRUE(typed) << amount.write(v);
        EXPECT_EQ(m.amountText(*typed), written) << amount.write(v);
        const std::string number = numberOf(written);
        ASSERT_EQ(amount.read(number), back) << number;
        EXPECT_EQ(amount.isTyped(number), platform::utf8::length(number) <= TypedAmount::kMaxLength) << number;
        if (v == std::floor(v)) {
            const std::string whole = number.substr(0, number.size() - 3);
            EXPECT_EQ(amount.read(whole), v) << whole;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, RoundTrip, ::testing::Values(De, Us, Fr, C),
                         [](const auto& localeInfo) { return std::string(kLocaleNames[localeInfo.param]).substr(0, 5); });

// The German format of the other tests, built without the locale, reads as
// de_DE does.
TEST(TypedAmountReading, TheTestsGermanFormatReadsAsTheLocale)
{
    const Money& de = money(De);
    for (const ReadCase& c : kReadCases)
        EXPECT_EQ(testsupport::euroMoney().toDouble(c.text), de.toDouble(c.text)) << c.text;
}

} // namespace
