#pragma once
// Reads a script line by line, holding at most one line of a bounded length
// in memory whatever the input is (a file of no line ends never ends a line).

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace cli {

class ScriptLines {
public:
    // The longest line taken, not counting its LF.
    static constexpr std::size_t kLongestLine = 64 * 1024;

    enum class Result { Line, End, TooLong };

    explicit ScriptLines(std::FILE* in);

    // The next line, without its LF; the last line needs none. TooLong as soon
    // as a line passes kLongestLine bytes, without reading the rest of it.
    // End at the end of the input or at a read error (see ferror).
    Result next(std::string& line);

private:
    bool fill();

    std::FILE* in_;
    std::vector<char> buffer_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
};

} // namespace cli
