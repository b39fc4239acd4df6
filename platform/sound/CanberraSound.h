#pragma once
// Sounds through the desktop's event sound library: files, or sounds of the
// desktop's sound theme. A sound that cannot be played (missing file, no
// sound server) is silent; play() then returns false.

#include <string>

#include "platform/ports/SoundPort.h"

struct ca_context;

namespace platform {

class CanberraSound final : public SoundPort {
public:
    CanberraSound() = default;
    ~CanberraSound() override;
    CanberraSound(const CanberraSound&) = delete;
    CanberraSound& operator=(const CanberraSound&) = delete;

    // flags: SoundFlags.h.
    bool play(const std::string& fileOrAlias, unsigned flags) override;

private:
    ca_context* context();

    ca_context* context_ = nullptr;
    bool unavailable_ = false;
};

} // namespace platform
