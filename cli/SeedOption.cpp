#include "cli/SeedOption.h"

#include <chrono>
#include <string>

#include "cli/CommandLine.h"

namespace cli {

std::uint64_t seedOption(const Args& args)
{
    const auto typed = args.value("--seed");
    if (!typed) {
        const auto ticks = std::chrono::system_clock::now().time_since_epoch().count()
            ^ std::chrono::steady_clock::now().time_since_epoch().count();
        return static_cast<std::uint64_t>(ticks) & kLargestSeed;
    }
    const auto n = wholeNumber(*typed, kLargestSeed);
    if (!n)
        throw UsageError{"--seed \"" + *typed + "\" is not a whole number from 0 to " + std::to_string(kLargestSeed)};
    return *n;
}

} // namespace cli
