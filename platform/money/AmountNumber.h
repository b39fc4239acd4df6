#pragma once
// The number of an amount, typed or written: digits, the locale's grouping
// and one decimal point. Where a separator stands decides what it is:
//  - the locale's grouping character groups when the digits it separates are
//    grouped as the locale writes them (groups of three in de_DE, en_US,
//    fr_FR and C, after a first group of one to three digits that does not
//    start with 0): "1.000" and "12.345,5" in de_DE, "1,000" in en_US,
//    "1 000" in fr_FR (with its narrow no-break space);
//  - "." and "," (and the locale's own monetary point, if another) are the
//    decimal point otherwise: "0,50" in en_US, "0.50", "0.500" and
//    "1234.567" in de_DE.
// A number holds at least one digit and at most one decimal point, which is
// its last separator; nothing follows it but digits (".5", "5." and
// "1.000," are numbers). When the last separator could be either, grouping
// wins: "1,000" in en_US and "1.000" in de_DE are a thousand, "1,000.5"
// and "1.000,5" a thousand and a half.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct MoneyLocale;

class AmountNumber {
public:
    explicit AmountNumber(const MoneyLocale& locale);

    // Where the decimal point of a number is (a byte offset and length); no
    // point at all when `at` is npos. Every other separator groups.
    struct Point {
        std::size_t at = std::string_view::npos;
        std::size_t length = 0;
    };

    // How `text` reads as a number; nothing when it is none.
    std::optional<Point> read(std::string_view text) const;
    // How the number of a money text reads, as the program writes it: the
    // grouping character groups wherever it stands between two digits, and
    // the point is the locale's ("$1,00" is a hundred, as it was written
    // before its last digit was deleted).
    std::optional<Point> readWritten(std::string_view number) const;
    // Whether `text` is a number, or becomes one when digits are typed at its
    // end ("1 00" in fr_FR on the way to "1 000").
    bool isStartOf(std::string_view text) const;
    // Whether `text` is one separator this locale knows, grouping or point.
    bool isSeparator(std::string_view text) const;

    // Calls sink.digit(c) for each digit and sink.point() at the point.
    template <class Sink>
    void feed(std::string_view text, Point point, Sink& sink) const
    {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (i == point.at)
                sink.point();
            else if (text[i] >= '0' && text[i] <= '9')
                sink.digit(text[i]);
        }
    }

private:
    struct Separator {
        std::size_t length = 0; // 0: no separator here
        bool groups = false;
        bool point = false;
    };
    Separator separatorAt(std::string_view text, std::size_t at) const;
    // The size of the k-th group of the whole part counted from the point, or
    // 0 once the locale groups no further.
    std::size_t groupSize(std::size_t k) const;
    // Whether text[0, end) is a whole part of `groups` groups after its head,
    // every separator the grouping character.
    bool isGrouped(std::string_view text, std::size_t end, std::size_t groups) const;

    std::string point_;
    std::string group_;    // empty when the locale groups no digits
    std::string grouping_; // sizes as in lconv, from the point on; the last repeats
};

} // namespace platform
