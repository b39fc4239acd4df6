// The one rule for amounts a user types: what a box takes key by key, what
// a whole text must be, and what it reads, in the United States format and
// in the German one.

#include <gtest/gtest.h>

#include <string>

#include "platform/money/TypedAmount.h"
#include "tests/support/EuroMoney.h"

namespace {

const platform::TypedAmount& us()
{
    static const platform::TypedAmount a(platform::Money::unitedStates());
    return a;
}

const platform::TypedAmount& euro()
{
    static const platform::TypedAmount a(testsupport::euroMoney());
    return a;
}

TEST(TypedAmount, WholeTexts)
{
    struct Case {
        std::string text;
        bool us, euro;
    } cases[] = {
        {"", true, true},           {"12", true, true},           {"12.5", true, true},
        {"12,5", false, true},      {".5", true, true},           {"1.2.5", false, false},
        {"1,2.5", false, false},    {"1234567890", true, true},   {"12345678901", false, false},
        {"123456789.", true, true}, {"-1", false, false},         {"1e5", false, false},
        {"$5", false, false},       {" 5", false, false},         {"5,", false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(us().isTyped(c.text), c.us) << c.text;
        EXPECT_EQ(euro().isTyped(c.text), c.euro) << c.text;
    }
}

TEST(TypedAmount, KeysOverASelection)
{
    struct Case {
        std::string text;
        std::size_t selStart, selLength;
        char key;
        bool us, euro;
    } cases[] = {
        {"12", 2, 0, '5', true, true},   {"12", 2, 0, '.', true, true},   {"12", 2, 0, ',', false, true},
        {"1.2", 3, 0, '.', false, false}, {"1.2", 1, 1, '.', true, true},  {"1,2", 3, 0, '.', true, false},
        {"1.2", 0, 3, '.', true, true},   {"12", 0, 0, 'a', false, false}, {"12", 0, 0, '-', false, false},
        // Digits go in whatever the box holds: the program writes amounts
        // back in the money format, and a digit typed into one stays.
        {"$2.00", 5, 0, '7', true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(us().takes(c.text, c.selStart, c.selLength, c.key), c.us) << c.text << " " << c.key;
        EXPECT_EQ(euro().takes(c.text, c.selStart, c.selLength, c.key), c.euro) << c.text << " " << c.key;
    }
}

TEST(TypedAmount, ReadsTypedTextsAndTheMoneyFormatItWrites)
{
    EXPECT_EQ(us().read("2.5"), 2.5);
    EXPECT_EQ(us().read("$1,000.00"), 1000.0);
    EXPECT_EQ(us().read("."), std::nullopt);
    EXPECT_EQ(euro().read("2,5"), 2.5);
    const std::string written = testsupport::euroMoney().amountText(1234.5);
    EXPECT_EQ(euro().read(written), 1234.5) << written;
}

} // namespace
