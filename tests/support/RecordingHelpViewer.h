#pragma once
// A help viewer that shows nothing: it records every call and answers with
// what the test set up.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/PlatformError.h"
#include "platform/ports/HelpViewerPort.h"

namespace testsupport {

class RecordingHelpViewer final : public platform::HelpViewerPort {
public:
    struct Call {
        std::intptr_t caller;
        std::string file;
        unsigned command;
        platform::HelpData data; // for HhInitialize, the pointer as it came (not to be followed later)
    };

    std::intptr_t htmlHelp(std::intptr_t caller, const std::string& file, unsigned command,
                           const platform::HelpData& data) override
    {
        calls.push_back({caller, file, command, data});
        if (failOn && *failOn == command)
            throw platform::PlatformError(failNumber, failDescription);
        if (command == platform::HhInitialize) {
            if (auto* const* out = std::get_if<std::int32_t*>(&data); out && *out)
                **out = cookie;
            return 0;
        }
        if (command == platform::HhUninitialize)
            return 0;
        return respond ? respond(calls.back()) : result;
    }

    std::vector<Call> calls;
    std::int32_t cookie = 0;    // written by HhInitialize
    std::intptr_t result = 0;   // returned by the display commands, unless respond is set
    std::function<std::intptr_t(const Call&)> respond;
    std::optional<unsigned> failOn; // this command throws a PlatformError
    long failNumber = 0;
    std::string failDescription;
};

} // namespace testsupport
