#pragma once
// Reading the line-based texts the platform stores (the property bag's text,
// the control registry) one piece of a line at a time. Every fault throws
// PlatformError kErrInvalidFileFormat naming the text and the line.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/text/Lines.h"

namespace platform::text {

class LineScanner {
public:
    // `textName` starts every error message: "Invalid property bag text".
    LineScanner(std::string_view textName, std::string_view line, std::size_t lineNumber)
        : textName_(textName), line_(line), lineNumber_(lineNumber)
    {
    }

    [[noreturn]] void fail(const std::string& what) const;

    void skipSpaces();
    // Whether only spaces are left.
    bool atEnd();
    // The next character after the spaces; '\0' at the end.
    char peek();
    // Takes `c` if it comes next after the spaces.
    bool accept(char c);
    // What stands up to the next space or tab.
    std::string_view word();
    // A text in double quotes (QuotedText.h), after the spaces.
    std::string quoted();

protected:
    std::string_view textName_;
    std::string_view line_;
    std::size_t lineNumber_;
    std::size_t pos_ = 0;
};

// Reads a text whose first line, not counting blank lines and comments (lines
// that start with '#'), is `header`: `each(scanner)` reads every other line,
// with a Scanner (a LineScanner) made from the text's name, the line and its
// number. Throws for a text without the header.
template <class Scanner, class Each>
void forEachHeadedLine(std::string_view text, std::string_view textName, std::string_view header, Each&& each)
{
    bool headerSeen = false;
    forEachLine(text, [&](std::string_view line, std::size_t lineNumber) {
        Scanner scanner(textName, line, lineNumber);
        if (scanner.atEnd() || line.front() == '#')
            return;
        if (!headerSeen) {
            if (line != header)
                scanner.fail("expected \"" + std::string(header) + "\" first");
            headerSeen = true;
            return;
        }
        each(scanner);
    });
    if (!headerSeen)
        LineScanner(textName, {}, 0).fail("it is empty");
}

} // namespace platform::text
