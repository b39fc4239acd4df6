#pragma once
// An amount as a user types it, one rule for every box and argument that
// takes one: the big blind (main window, chart, command line), the pot and the
// bet to call. Typed, it is digits with at most one decimal point, "." or the
// locale's monetary point, and at most ten characters; read, it is the value
// of that text, or of an amount the program itself wrote back in the money
// format (the big blind box after it loses the focus).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class Money;

class TypedAmount {
public:
    static constexpr std::size_t kMaxLength = 10; // characters

    explicit TypedAmount(const Money& money);

    // Whether the key may go in over the selection (in characters) of `text`:
    // a digit always, a decimal point only when the text outside the selection
    // holds none. The length is the box's own limit.
    bool takes(std::string_view text, std::size_t selStart, std::size_t selLength, int key) const;

    // Whether a whole text is an amount as typed.
    bool isTyped(std::string_view text) const;

    // The value of a box's text, typed or written in the money format.
    std::optional<double> read(std::string_view text) const;

private:
    bool isPoint(std::string_view text, std::size_t at, std::size_t& length) const;

    const Money& money_;
    char32_t point_;          // the locale's monetary decimal point, or "." when it has none of one character
    std::string pointText_;   // the same in UTF-8
};

} // namespace platform
