#pragma once
// Opens web addresses and documents with the desktop's default program.

#include "platform/ports/ShellOpenPort.h"

namespace platform {

class QtShellOpen final : public ShellOpenPort {
public:
    bool open(const std::string& target) override;
};

} // namespace platform
