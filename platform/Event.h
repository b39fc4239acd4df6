#pragma once
// A notification with any number of listeners, called synchronously in the
// order they connected. A listener may connect or disconnect listeners (itself
// included) while the event is being raised; those changes take effect for the
// next raise.

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace platform {

template <class... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;

    Event() = default;
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    int connect(Handler handler)
    {
        const int id = nextId_++;
        handlers_.push_back({id, std::make_shared<Handler>(std::move(handler))});
        return id;
    }

    void disconnect(int id)
    {
        for (auto it = handlers_.begin(); it != handlers_.end(); ++it) {
            if (it->id == id) {
                handlers_.erase(it);
                return;
            }
        }
    }

    bool empty() const noexcept { return handlers_.empty(); }

    void operator()(Args... args) const
    {
        if (handlers_.size() == 1) {
            // The common case: hold the one handler alive across the call, in
            // case it disconnects itself.
            auto keep = handlers_.front().fn;
            (*keep)(args...);
            return;
        }
        const auto snapshot = handlers_;
        for (const auto& entry : snapshot)
            (*entry.fn)(args...);
    }

private:
    struct Entry {
        int id;
        std::shared_ptr<Handler> fn;
    };
    std::vector<Entry> handlers_;
    int nextId_ = 1;
};

} // namespace platform
