#pragma once
// Opens web addresses and documents with the desktop's default program, and
// says why when the desktop does not.

#include <QString>

#include "platform/ports/ShellOpenPort.h"

namespace platform {

class QtShellOpen final : public ShellOpenPort {
public:
    bool open(const std::string& target) override;
    std::string refusalReason() const override { return reason_; }

private:
    std::string reason_;
};

// What the desktop lacked, judged from what Qt asks it for: the display
// platform, whether the desktop's opener (xdg-open) is installed, and the
// browser the BROWSER variable names.
std::string desktopRefusalReason(const QString& platformName, bool openerInstalled, const QString& browserVariable);

} // namespace platform
