#pragma once
// What the commands of `tablewise` share: errors, output, and the choices
// their options take (matched in any case).

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/Args.h"
#include "engine/Situation.h"

namespace platform {
class Money;
}

namespace cli {

// Writes "tablewise: <message>" to standard error; returns the exit status 2.
int usageError(std::string_view message);

void write(std::string_view text);

// Advice texts break lines with CR LF; a terminal wants LF.
std::string forTerminal(std::string_view text);

bool equalsIgnoringCase(std::string_view a, std::string_view b);

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

} // namespace cli
