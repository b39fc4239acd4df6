// The option parsers of every `tablewise` command, without their work. The
// input is the command line, one argument a line: the command's name, then
// its arguments. A parser either accepts the arguments or throws UsageError
// with a message; anything else (a crash, another exception) is a fault.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/ArgumentReaders.h"
#include "cli/Args.h"

namespace {

using Reader = void (*)(int, char**);

constexpr std::pair<std::string_view, Reader> kReaders[] = {
    {"advise", cli::readAdviseArguments}, {"postflop", cli::readPostflopArguments},
    {"chart", cli::readChartArguments},   {"equity", cli::readEquityArguments},
    {"board", cli::readBoardArguments},   {"range", cli::readRangeArguments},
    {"import", cli::readImportArguments},
    {"review", cli::readReviewArguments}, {"replay", cli::readReplayArguments},
    {"content", cli::readContentArguments}, {"drill", cli::readDrillArguments},
};

// Command lines longer than this say nothing new.
constexpr std::size_t kLongestInput = 4096;

std::vector<std::string> lines(std::string_view text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        out.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > kLongestInput)
        return 0;
    std::vector<std::string> words = lines(std::string_view(reinterpret_cast<const char*>(data), size));
    Reader reader = nullptr;
    for (const auto& [name, read] : kReaders)
        if (words.front() == name)
            reader = read;
    if (!reader)
        return 0;
    std::string program = "tablewise";
    std::vector<char*> argv{program.data()};
    for (std::string& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    try {
        reader(static_cast<int>(argv.size() - 1), argv.data());
    } catch (const cli::UsageError& e) {
        if (e.message.empty()) {
            std::fputs("a usage error without a message\n", stderr);
            std::abort();
        }
    }
    return 0;
}
