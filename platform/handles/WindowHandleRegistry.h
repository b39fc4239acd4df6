#pragma once
// Window handles: numbers that name the windows of this process. A window
// takes a handle with a message handler and gives it back when it goes away;
// a released handle is never given out again, so a stale handle is simply no
// window any more.
//
// The process has one registry, process(). It lives in this one library; a
// shared library must not link it a second time (it would get its own).

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "platform/handles/WindowApi.h"

namespace platform {

class WindowHandleRegistry final : public WindowApi {
public:
    using MessageHandler = std::function<std::intptr_t(unsigned message, std::intptr_t wParam, std::intptr_t lParam)>;

    WindowHandleRegistry() = default;
    WindowHandleRegistry(const WindowHandleRegistry&) = delete;
    WindowHandleRegistry& operator=(const WindowHandleRegistry&) = delete;

    static WindowHandleRegistry& process();

    // A new handle, above every handle given out before.
    std::intptr_t allocate(MessageHandler handler);
    void release(std::intptr_t handle);

    bool isWindow(std::intptr_t handle) const override;
    std::intptr_t sendMessage(std::intptr_t handle, unsigned message, std::intptr_t wParam,
                              std::intptr_t lParam) override;
    void doEvents() override;

    // What doEvents runs: the toolkit's event processing, once one is running.
    void setMessagePump(std::function<void()> pump) { pump_ = std::move(pump); }

private:
    std::map<std::intptr_t, std::shared_ptr<MessageHandler>> windows_;
    std::intptr_t next_ = 0x10000;
    std::function<void()> pump_;
};

} // namespace platform
