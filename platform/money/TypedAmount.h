#pragma once
// An amount as a user types it, one rule for every box and argument that
// takes one: the big blind (main window, chart, command line), the pot and the
// bet to call. Whatever such a box shows, it reads back as the same amount.
//
// Separators. The locale's monetary grouping character ("." in de_DE, "," in
// en_US and C, the narrow no-break space U+202F in fr_FR) and the decimal
// points: "." and "," in every locale, and the locale's monetary point.
//
// Reading (AmountNumber): the grouping character groups when the digits it
// separates are grouped as the locale groups them, three by three in
// de_DE, en_US, fr_FR and C, after a first group of one to three digits
// that does not start with 0; any other "." or "," is the decimal point.
//             de_DE      en_US / C    fr_FR
//   1.000     1000       1            1
//   1,000     1          1000         1
//   12.345,5  12345.5    -            -
//   1,000.5   -          1000.5       -
//   0,50      0.5        0.5          0.5
//   0.50      0.5        0.5          0.5
//   0.500     0.5        0.5          0.5
//   1234.567  1234.567   1234.567     1234.567
//   1 000     -          -            1000  (with U+202F)
// A text holding the currency symbol is a money text: a number inside the
// locale's positive or negative form, as the box writes it when it loses the
// focus: "12.345,00 €" (de_DE), "$12,345.00" (en_US, and C, whose stand-in is
// the United States format), "12 345,00 €" (fr_FR). Its number is read as
// written: the grouping character groups wherever it stands between digits,
// the locale's point is the point; so the box's own text keeps its reading
// when digits are deleted from its end ("$1,00" is a hundred, as before).
// So the box reads back all it writes, whole or cut down to its number:
// "12.345,00 €" and "12.345" are 12345 in de_DE; "1.500,5" is 1500.5.
//
// Typed, a text is a number of at most ten characters as they stand in the
// box, every grouping character counted: the main window's box limits what is
// typed into it to ten characters, and a text typed anywhere else is one that
// box would take ("9999999999", "1.000.000" and "12.345,50" are typed,
// "1.000.000,5" is too long).
//
// The key filter lets in a digit always (a digit typed into a money text
// stays, and a text that reads as no amount empties the box when it loses
// the focus), and a separator when the text it leaves is an amount or the
// start of a typed one: "1," in en_US, "1 00" in fr_FR. Into a money text a
// decimal point ("." or the locale's) also goes, as it always has, where the
// text outside the selection holds no decimal point: "$" on its way to
// "$.25", which empties the box on leaving. So a second decimal point never
// comes in.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/money/AmountNumber.h"

namespace platform {

class Money;

class TypedAmount {
public:
    static constexpr std::size_t kMaxLength = 10; // characters

    explicit TypedAmount(const Money& money);

    // Whether the key may go in over the selection (in characters) of `text`.
    // The length is the box's own limit.
    bool takes(std::string_view text, std::size_t selStart, std::size_t selLength, int key) const;

    // Whether a whole text is an amount as typed (or empty: nothing typed).
    bool isTyped(std::string_view text) const;
    // Whether typing more at its end can make `text` an amount as typed.
    bool isStartOfTyped(std::string_view text) const;

    // The value of a box's text, typed or written in the money format.
    std::optional<double> read(std::string_view text) const;

    // An amount of zero or more as a player would type it, with two
    // decimals, the money format's decimal point and no grouping: "2.00" in
    // C, "2,00" in de_DE. It reads back as the amount to the cent.
    std::string write(double value) const;

private:
    const Money& money_;
    AmountNumber number_;
};

} // namespace platform
