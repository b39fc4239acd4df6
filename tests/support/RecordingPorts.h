#pragma once
// Port implementations that show nothing and record what they were asked.

#include <string>
#include <vector>

#include "platform/ports/MessageBoxPort.h"
#include "platform/ports/ShellOpenPort.h"
#include "platform/ports/SoundPort.h"

namespace testsupport {

class RecordingMessageBox final : public platform::MessageBoxPort {
public:
    struct Call {
        std::string prompt;
        unsigned style;
        std::string title;
    };
    int show(const std::string& prompt, unsigned style, const std::string& title) override
    {
        calls.push_back({prompt, style, title});
        return answer;
    }
    std::vector<Call> calls;
    int answer = platform::MbResultOk;
};

class RecordingShellOpen final : public platform::ShellOpenPort {
public:
    bool open(const std::string& target) override
    {
        targets.push_back(target);
        return succeed;
    }
    std::vector<std::string> targets;
    bool succeed = true;
};

class RecordingSound final : public platform::SoundPort {
public:
    struct Call {
        std::string fileOrAlias;
        unsigned flags;
    };
    bool play(const std::string& fileOrAlias, unsigned flags) override
    {
        calls.push_back({fileOrAlias, flags});
        return succeed;
    }
    std::vector<Call> calls;
    bool succeed = true;
};

} // namespace testsupport
