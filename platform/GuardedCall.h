#pragma once
// Runs a piece of work where no exception may pass: inside a Qt event or
// property write, at a library's boundary. A PlatformError goes to report
// with its number and description; any other exception as kErrInternal with
// its message.

#include <exception>
#include <string>
#include <utility>

#include "platform/PlatformError.h"

namespace platform {

// Whether the work ran to its end.
template <class Work, class Report>
bool guardedCall(Work&& work, Report&& report)
{
    try {
        std::forward<Work>(work)();
        return true;
    } catch (const PlatformError& error) {
        report(error.number(), error.description());
    } catch (const std::exception& error) {
        report(kErrInternal, std::string(error.what()));
    }
    return false;
}

} // namespace platform
