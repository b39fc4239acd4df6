#include "platform/text/LineScanner.h"

#include "platform/PlatformError.h"
#include "platform/propertybag/PropertyErrors.h"
#include "platform/text/QuotedText.h"

namespace platform::text {

void LineScanner::fail(const std::string& what) const
{
    std::string message(textName_);
    if (lineNumber_ != 0)
        message += ", line " + std::to_string(lineNumber_);
    throw PlatformError(kErrInvalidFileFormat, message + ": " + what);
}

void LineScanner::skipSpaces()
{
    while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t'))
        ++pos_;
}

bool LineScanner::atEnd()
{
    skipSpaces();
    return pos_ >= line_.size();
}

char LineScanner::peek()
{
    return atEnd() ? '\0' : line_[pos_];
}

bool LineScanner::accept(char c)
{
    if (peek() != c || c == '\0')
        return false;
    ++pos_;
    return true;
}

std::string_view LineScanner::word()
{
    skipSpaces();
    const std::size_t start = pos_;
    while (pos_ < line_.size() && line_[pos_] != ' ' && line_[pos_] != '\t')
        ++pos_;
    return line_.substr(start, pos_ - start);
}

std::string LineScanner::quoted()
{
    skipSpaces();
    std::string out;
    if (const std::string wrong = readQuoted(line_, pos_, out); !wrong.empty())
        fail(wrong);
    return out;
}

} // namespace platform::text
