#pragma once
// What the commands of `tablewise` share: errors, output, and the choices
// their options take (matched in any case).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/Args.h"
#include "engine/Situation.h"
#include "platform/text/AsciiCase.h"

namespace platform {
class Money;
}

namespace cli {

// Writes "tablewise: <message>" to standard error; returns the exit status 2.
int usageError(std::string_view message);

// The exit status of a command whose output could not be written.
inline constexpr int kOutputFailed = 1;

// Writes to standard output; a failure is remembered for finishOutput.
void write(std::string_view text);

// Tells finishOutput that a write to standard output made elsewhere failed
// with `error` (an errno value); the first reason is kept.
void outputFailed(int error);

// Flushes standard output. When anything written to it was lost, writes
// "tablewise: standard output: <why>" to standard error and returns
// kOutputFailed unless `status` already tells of a failure; else `status`.
int finishOutput(int status);

// Writes "tablewise: <path>: <why>" for a file that could not be written;
// returns kOutputFailed.
int fileError(std::string_view path, int error);

// Writes `text` to the file at `path`, replacing it; 0, or fileError's status
// when any of it could not be written.
int writeFile(const std::string& path, std::string_view text);

// "tablewise 1.2.3" and a line end.
std::string versionLine();

// Runs a command: reads its arguments into Options with `read` (which throws
// UsageError when they are wrong), answers --help and --version, or does the
// work; then makes sure its output was written.
template <class Options>
int runCommand(std::string_view name, std::string (*usage)(), int argc, char** argv,
               Asked (*read)(int, char**, Options&), int (*work)(const Options&))
{
    Options options{};
    Asked asked = Asked::Work;
    try {
        asked = read(argc, argv, options);
    } catch (const UsageError& e) {
        return usageError(std::string(name) + ": " + e.message);
    }
    switch (asked) {
    case Asked::Help: write(usage()); return finishOutput(0);
    case Asked::Version: write(versionLine()); return finishOutput(0);
    case Asked::Work: break;
    }
    return finishOutput(work(options));
}

// Advice texts break lines with CR LF; a terminal wants LF.
std::string forTerminal(std::string_view text);

using platform::text::equalsIgnoringCase;

// The values an option takes, each with its name as typed.
template <class T>
using Choices = std::vector<std::pair<std::string_view, T>>;

template <class T>
std::optional<T> choose(const Choices<T>& choices, std::string_view typed)
{
    for (const auto& [name, value] : choices)
        if (equalsIgnoringCase(name, typed))
            return value;
    return std::nullopt;
}

// "a, b or c"
template <class T>
std::string choiceList(const Choices<T>& choices)
{
    std::string out;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (i > 0)
            out += i + 1 == choices.size() ? " or " : ", ";
        out += choices[i].first;
    }
    return out;
}

// The option's choice, or nothing when it is not given. Throws UsageError
// naming the option when the value is none of the choices, or when a
// required option is missing.
template <class T>
std::optional<T> chosen(const Args& args, std::string_view option, const Choices<T>& choices)
{
    const auto typed = args.value(option);
    if (!typed)
        return std::nullopt;
    const auto choice = choose(choices, *typed);
    if (!choice)
        throw UsageError{std::string(option) + " \"" + *typed + "\" is not " + choiceList(choices)};
    return choice;
}

template <class T>
T required(const Args& args, std::string_view option, const Choices<T>& choices)
{
    if (const auto choice = chosen(args, option, choices))
        return *choice;
    throw UsageError{std::string(option) + " is required (" + choiceList(choices) + ")"};
}

const Choices<engine::PreflopAction>& actionChoices();
const Choices<engine::Position>& positionChoices();

// The value of a big blind typed as the window's box takes it: up to ten
// characters, digits and one decimal point ("." or the locale's); none for
// any other text.
std::optional<double> typedBigBlind(std::string_view text, const platform::Money& money);

// Digits, any number of them.
bool isWholeNumber(std::string_view text);

// The whole number written in `text` (digits only) if it is `most` or less.
std::optional<std::uint64_t> wholeNumber(std::string_view text, std::uint64_t most);

} // namespace cli
