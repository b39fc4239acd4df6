#include "cli/Args.h"

#include <algorithm>

namespace cli {

Args::Args(int argc, char** argv, int first, std::vector<std::string_view> valued, std::vector<std::string_view> flags)
{
    auto has = [](const std::vector<std::string_view>& list, std::string_view name) {
        return std::find(list.begin(), list.end(), name) != list.end();
    };
    bool optionsEnded = false;
    for (int i = first; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || !arg.starts_with("--") || arg == "-") {
            positional_.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const auto eq = arg.find('=');
        const std::string_view name = arg.substr(0, eq);
        if (has(flags, name)) {
            if (eq != std::string_view::npos)
                throw UsageError{std::string(name) + " takes no value"};
            flags_.emplace_back(name);
        } else if (has(valued, name)) {
            std::string v;
            if (eq != std::string_view::npos) {
                v = std::string(arg.substr(eq + 1));
            } else if (i + 1 < argc) {
                v = argv[++i];
            } else {
                throw UsageError{std::string(name) + " needs a value"};
            }
            values_.emplace_back(std::string(name), std::move(v));
        } else {
            throw UsageError{"unknown option " + std::string(name)};
        }
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

bool Args::flag(std::string_view option) const
{
    return std::find(flags_.begin(), flags_.end(), option) != flags_.end();
}

} // namespace cli
