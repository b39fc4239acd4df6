#pragma once
// The one error type of the platform layer: a number and a description, as
// the operating system services it stands in for report them.

#include <stdexcept>
#include <string>

namespace platform {

// A failure that is no platform error of its own (an exception of the
// language's library, say), as reported where such errors are caught.
inline constexpr long kErrInternal = 51;

class PlatformError : public std::runtime_error {
public:
    PlatformError(long number, std::string description)
        : std::runtime_error(description), number_(number), description_(std::move(description)) {}

    long number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

private:
    long number_;
    std::string description_;
};

} // namespace platform
