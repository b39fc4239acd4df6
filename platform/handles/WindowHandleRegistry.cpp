#include "platform/handles/WindowHandleRegistry.h"

namespace platform {

WindowHandleRegistry& WindowHandleRegistry::process()
{
    static WindowHandleRegistry registry;
    return registry;
}

std::intptr_t WindowHandleRegistry::allocate(MessageHandler handler)
{
    const std::intptr_t handle = next_++;
    windows_.emplace(handle, std::make_shared<MessageHandler>(std::move(handler)));
    return handle;
}

void WindowHandleRegistry::release(std::intptr_t handle)
{
    windows_.erase(handle);
}

bool WindowHandleRegistry::isWindow(std::intptr_t handle) const
{
    return windows_.count(handle) != 0;
}

std::intptr_t WindowHandleRegistry::sendMessage(std::intptr_t handle, unsigned message, std::intptr_t wParam,
                                                std::intptr_t lParam)
{
    const auto it = windows_.find(handle);
    if (it == windows_.end() || !*it->second)
        return 0;
    // The window may release its handle while it handles the message.
    const std::shared_ptr<MessageHandler> handler = it->second;
    return (*handler)(message, wParam, lParam);
}

void WindowHandleRegistry::doEvents()
{
    if (pump_)
        pump_();
}

} // namespace platform
