#pragma once
// A small parser for "--name value", "--name=value" and positional arguments.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct UsageError {
    std::string message;
};

class Args {
public:
    // `valued` lists the options that take a value; `flags` those that do not.
    // Throws UsageError for an unknown option or a missing value.
    Args(int argc, char** argv, int first, std::vector<std::string_view> valued, std::vector<std::string_view> flags);

    std::optional<std::string> value(std::string_view option) const;
    bool flag(std::string_view option) const;
    const std::vector<std::string>& positional() const { return positional_; }

private:
    std::vector<std::pair<std::string, std::string>> values_;
    std::vector<std::string> flags_;
    std::vector<std::string> positional_;
};

} // namespace cli
