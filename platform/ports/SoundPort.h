#pragma once
// Plays a sound file, or a system sound named by an alias.

#include <string>

namespace platform {

class SoundPort {
public:
    virtual ~SoundPort() = default;
    // Starts playing without waiting; returns whether playing started.
    virtual bool play(const std::string& fileOrAlias, unsigned flags) = 0;
};

} // namespace platform
