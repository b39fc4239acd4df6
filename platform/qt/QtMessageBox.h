#pragma once
// Message boxes on screen: modal over the active window, with the buttons
// and the icon the style asks for.

#include "platform/ports/MessageBoxPort.h"

namespace platform {

class QtMessageBox final : public MessageBoxPort {
public:
    int show(const std::string& prompt, unsigned style, const std::string& title) override;
};

} // namespace platform
