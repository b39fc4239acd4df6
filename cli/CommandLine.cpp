#include "cli/CommandLine.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

#include "engine/cards/ChartRange.h"
#include "platform/money/Money.h"
#include "platform/money/TypedAmount.h"
#include "platform/text/Utf8.h"
#include "window/model/Product.h"

namespace cli {

int usageError(std::string_view message)
{
    std::fprintf(stderr, "tablewise: %.*s\n", static_cast<int>(message.size()), message.data());
    return 2;
}

namespace {

// The first reason a write to standard output failed, or 0.
int outputError = 0;

} // namespace

void write(std::string_view text)
{
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() && outputError == 0)
        outputError = errno != 0 ? errno : EIO;
}

void outputFailed(int error)
{
    if (outputError == 0)
        outputError = error != 0 ? error : EIO;
}

int finishOutput(int status)
{
    errno = 0;
    if (std::fflush(stdout) != 0 && outputError == 0)
        outputError = errno != 0 ? errno : EIO;
    if (outputError == 0 && std::ferror(stdout))
        outputError = EIO;
    if (outputError == 0)
        return status;
    std::fprintf(stderr, "tablewise: standard output: %s\n", std::strerror(outputError));
    return status != 0 ? status : kOutputFailed;
}

int fileError(std::string_view path, int error)
{
    std::fprintf(stderr, "tablewise: %.*s: %s\n", static_cast<int>(path.size()), path.data(), std::strerror(error));
    return kOutputFailed;
}

int writeFile(const std::string& path, std::string_view text)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return fileError(path, errno);
    int error = 0;
    if (std::fwrite(text.data(), 1, text.size(), file) != text.size())
        error = errno != 0 ? errno : EIO;
    errno = 0;
    if (std::fclose(file) != 0 && error == 0)
        error = errno != 0 ? errno : EIO;
    return error == 0 ? 0 : fileError(path, error);
}

std::string versionLine()
{
    return "tablewise " + window::versionNumber() + "\n";
}

std::string forTerminal(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out.push_back(text[i]);
    }
    return out;
}

// The chart's words, which chart ranges take too.
const Choices<engine::PreflopAction>& actionChoices()
{
    return engine::cards::chartActionWords();
}

const Choices<engine::Position>& positionChoices()
{
    return engine::cards::chartPositionWords();
}

std::optional<double> typedBigBlind(std::string_view text, const platform::Money& money)
{
    const platform::TypedAmount amount(money);
    if (!amount.isTyped(text))
        return std::nullopt;
    return amount.read(text);
}

bool isWholeNumber(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<std::uint64_t> wholeNumber(std::string_view text, std::uint64_t most)
{
    std::uint64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (!isWholeNumber(text) || ec != std::errc{} || end != text.data() + text.size() || n > most)
        return std::nullopt;
    return n;
}

} // namespace cli
