#pragma once
// Opens a web address or a document with the desktop's default program.

#include <string>

namespace platform {

class ShellOpenPort {
public:
    virtual ~ShellOpenPort() = default;
    // Returns whether the desktop accepted the request.
    virtual bool open(const std::string& target) = 0;
};

} // namespace platform
