#pragma once
// What a control tells its host when one of its saved properties changes: the
// bag key, so that the host knows to save the control again.

#include <set>
#include <string>

#include "platform/Event.h"

namespace platform {

class PropertyChanges {
public:
    void mark(const std::string& key)
    {
        keys_.insert(key);
        changed(key);
    }
    bool any() const noexcept { return !keys_.empty(); }
    const std::set<std::string>& keys() const noexcept { return keys_; }
    // The host calls this once it has saved the control.
    void clear() { keys_.clear(); }

    Event<const std::string&> changed;

private:
    std::set<std::string> keys_;
};

} // namespace platform
