#pragma once
// Money texts in the user's regional currency format, and the numeric test
// that decides which texts are amounts.
//
// An amount is written with exactly two decimals and a leading zero, with the
// locale's currency symbol, digit grouping and form of negative amounts. Where
// the locale names no currency symbol (C, POSIX) a United States English
// format stands in: 8 -> "$8.00", 4000 -> "$4,000.00", -8 -> "($8.00)". An
// exact half cent rounds away from zero.
//
// The numeric test accepts two kinds of text:
//  - the typed form: a number as AmountNumber reads it, digits with the
//    locale's grouping and one decimal point ("12", "12.5", ".5", "5.",
//    "1,000" and "0,50" in en_US, "12.345,5" and "0.50" in de_DE);
//  - a money text, recognised by holding the currency symbol: a number
//    inside the locale's positive or negative form, read as amountText
//    writes it (AmountNumber::readWritten), and what is left of it after
//    editing its digits: "$1,00" is a hundred.
// Every accepted text converts to a finite value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/money/AmountNumber.h"

struct lconv;

namespace platform {

struct MoneyLocale {
    std::string currencySymbol = "$";
    std::string decimalPoint = ".";
    std::string thousandsSep = ",";
    std::string grouping = "\3"; // as in lconv: sizes from the right, the last repeats
    std::string positiveSign;
    std::string negativeSign = "-";
    bool pCsPrecedes = true;
    bool nCsPrecedes = true;
    int pSepBySpace = 0;
    int nSepBySpace = 0;
    int pSignPosn = 1;
    int nSignPosn = 0; // parentheses

    static MoneyLocale unitedStates();
    // The monetary fields of `lc`, or the United States format when it names
    // no currency symbol.
    static MoneyLocale fromLconv(const lconv& lc);
    // localeconv() of the process as it is now.
    static MoneyLocale fromProcess();
};

class Money {
public:
    explicit Money(MoneyLocale locale);

    // The process's format, read from localeconv() on first use (after the
    // program's setlocale(LC_ALL, "")).
    static const Money& process();
    // The built-in United States English format, whatever the locale.
    static const Money& unitedStates();

    const MoneyLocale& locale() const noexcept { return locale_; }

    bool isNumeric(std::string_view text) const { return toDouble(text).has_value(); }
    // The value of a text the numeric test accepts; nothing otherwise.
    std::optional<double> toDouble(std::string_view text) const;

    // Amount texts. An amount that is not a finite number has no money form:
    // infinities give "Amount too large" and NaN "Amount unavailable", which
    // the numeric test rejects.
    void appendAmount(std::string& out, double value) const;
    std::string amountText(double value) const;
    // "<low> to <high>"
    std::string rangeText(double low, double high) const;

private:
    struct Form {
        std::string prefix;
        std::string suffix;
    };
    std::optional<double> parseMoney(std::string_view text) const;
    // The value of a number whose point (if any) AmountNumber has found.
    std::optional<double> parseNumber(std::string_view number, std::optional<AmountNumber::Point> point) const;
    void appendGrouped(std::string& out, std::string_view digits) const;

    std::optional<double> read(std::string_view text) const;

    MoneyLocale locale_;
    Form positive_;
    Form negative_;
    AmountNumber number_;
    // Tells this format's remembered readings from another's (see toDouble).
    std::uint64_t serial_;
};

// The text that stands for a non-finite amount.
inline constexpr std::string_view kAmountTooLarge = "Amount too large";
inline constexpr std::string_view kAmountUnavailable = "Amount unavailable";

} // namespace platform
