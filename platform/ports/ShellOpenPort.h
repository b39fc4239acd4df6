#pragma once
// Opens a web address or a document with the desktop's default program.

#include <string>

namespace platform {

class ShellOpenPort {
public:
    virtual ~ShellOpenPort() = default;
    // Returns whether the desktop accepted the request.
    virtual bool open(const std::string& target) = 0;
    // Why the last request was refused, as a sentence for the user; empty
    // when the port cannot tell.
    virtual std::string refusalReason() const { return {}; }
};

} // namespace platform
