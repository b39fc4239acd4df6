#include "cli/Args.h"

#include <algorithm>

namespace cli {

Args::Args(int argc, char** argv, int first, std::vector<Option> options)
{
    options.push_back({"--help", 'h'});
    options.push_back({"--version", 'V'});
    const auto find = [&options](std::string_view given) -> const Option* {
        for (const Option& o : options)
            if (o.name == given || (o.shortName != 0 && given.size() == 2 && given[0] == '-' && given[1] == o.shortName))
                return &o;
        return nullptr;
    };
    bool optionsEnded = false;
    for (int i = first; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || !arg.starts_with("-") || arg == "-") {
            positional_.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const auto eq = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
        const std::string_view given = arg.substr(0, eq);
        const Option* option = find(given);
        if (!option)
            throw UsageError{"unknown option " + std::string(given)};
        if (!option->takesValue) {
            if (eq != std::string_view::npos)
                throw UsageError{std::string(option->name) + " takes no value"};
            flags_.emplace_back(option->name);
            continue;
        }
        std::string v;
        if (eq != std::string_view::npos)
            v = std::string(arg.substr(eq + 1));
        else if (i + 1 < argc)
            v = argv[++i];
        else
            throw UsageError{std::string(option->name) + " needs a value"};
        values_.emplace_back(std::string(option->name), std::move(v));
    }
}

std::optional<std::string> Args::value(std::string_view option) const
{
    std::optional<std::string> last;
    for (const auto& [name, v] : values_)
        if (name == option)
            last = v;
    return last;
}

const std::vector<std::string>& Args::positional(std::initializer_list<std::string_view> names) const
{
    if (positional_.size() < names.size())
        throw UsageError{"missing " + std::string(names.begin()[positional_.size()]) + " (try --help)"};
    if (positional_.size() > names.size())
        throw UsageError{"unexpected argument " + positional_[names.size()]};
    return positional_;
}

Asked Args::asked() const
{
    if (flag("--help"))
        return Asked::Help;
    return flag("--version") ? Asked::Version : Asked::Work;
}

bool Args::flag(std::string_view option) const
{
    return std::find(flags_.begin(), flags_.end(), option) != flags_.end();
}

} // namespace cli
