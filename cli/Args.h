#pragma once
// A small parser for "--name value", "--name=value", "-n value" and
// positional arguments. Every command takes -h/--help and -V/--version.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct UsageError {
    std::string message;
};

// An option a command takes: its long name, a one-letter short form or 0, and
// whether it takes a value.
struct Option {
    std::string_view name; // "--action"
    char shortName = 0;    // 'a' for "-a"
    bool takesValue = false;
};

// What a command's arguments ask of it.
enum class Asked { Work, Help, Version };

class Args {
public:
    // Throws UsageError for an unknown option or a missing value. Options are
    // looked up by their long names, whichever form was given.
    Args(int argc, char** argv, int first, std::vector<Option> options);

    // Help before the version, and either before the work.
    Asked asked() const;

    std::optional<std::string> value(std::string_view option) const;
    bool flag(std::string_view option) const;
    const std::vector<std::string>& positional() const { return positional_; }
    // The positional arguments, exactly as many as `names` names ("HAND",
    // "BOARD"); throws UsageError naming the first missing or the first extra.
    const std::vector<std::string>& positional(std::initializer_list<std::string_view> names) const;

private:
    std::vector<std::pair<std::string, std::string>> values_;
    std::vector<std::string> flags_;
    std::vector<std::string> positional_;
};

} // namespace cli
