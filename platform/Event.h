#pragma once
// A notification with any number of listeners, called synchronously in the
// order they connected. A listener may connect or disconnect listeners (itself
// included) while the event is being raised; those changes take effect for the
// next raise: a raise calls exactly the listeners connected when it began.

#include <cstddef>
#include <cstdint>
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
        entries_.push_back(std::make_unique<Entry>(Entry{id, std::move(handler), 0}));
        return id;
    }

    void disconnect(int id)
    {
        for (auto it = entries_.begin(); it != entries_.end(); ++it) {
            Entry& e = **it;
            if (e.id != id || e.removedAt != 0)
                continue;
            if (raising_ == 0)
                entries_.erase(it);
            else
                e.removedAt = ++removals_; // raises under way still call it; it goes when they end
            return;
        }
    }

    bool empty() const noexcept
    {
        for (const auto& e : entries_)
            if (e->removedAt == 0)
                return false;
        return true;
    }

    void operator()(Args... args) const
    {
        // Entries are held by pointer, so one connected or removed during a
        // handler never moves the handler being called.
        const std::size_t count = entries_.size();
        const std::uint64_t began = removals_;
        ++raising_;
        struct Finish {
            const Event& event;
            ~Finish()
            {
                if (--event.raising_ == 0)
                    event.purge();
            }
        } finish{*this};
        for (std::size_t i = 0; i < count; ++i) {
            Entry& e = *entries_[i];
            if (e.removedAt != 0 && e.removedAt <= began)
                continue; // removed before this raise began
            e.fn(args...);
        }
    }

private:
    struct Entry {
        int id;
        Handler fn;
        std::uint64_t removedAt; // 0 while connected
    };

    void purge() const
    {
        if (removals_ == purged_)
            return;
        std::erase_if(entries_, [](const std::unique_ptr<Entry>& e) { return e->removedAt != 0; });
        purged_ = removals_;
    }

    mutable std::vector<std::unique_ptr<Entry>> entries_;
    mutable int raising_ = 0;
    mutable std::uint64_t removals_ = 0;
    mutable std::uint64_t purged_ = 0;
    int nextId_ = 1;
};

} // namespace platform
