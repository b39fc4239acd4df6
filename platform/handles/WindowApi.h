#pragma once
// The window services the help wrapper needs: whether a handle still names a
// window, sending it a message, and one step of the message pump.

#include <cstdint>

namespace platform {

// The message that asks a window to close.
inline constexpr unsigned WmClose = 16;

class WindowApi {
public:
    virtual ~WindowApi() = default;
    virtual bool isWindow(std::intptr_t handle) const = 0;
    // Delivers the message at once and returns the window's answer (0 for a
    // handle that names no window).
    virtual std::intptr_t sendMessage(std::intptr_t handle, unsigned message, std::intptr_t wParam,
                                      std::intptr_t lParam) = 0;
    // Lets pending window messages run.
    virtual void doEvents() = 0;
};

} // namespace platform
