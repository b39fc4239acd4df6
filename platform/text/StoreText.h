#pragma once
// Stores a text into a string that usually holds the same or a same-sized
// text already, as the window's captions and remembered values do at every
// recomputation: nothing is copied when it is equal, and a text of the same
// size is copied over the old one in place.

#include <cstring>
#include <string>
#include <string_view>

namespace platform {

// Returns whether the string changed.
inline bool storeText(std::string& to, std::string_view from)
{
    if (to.size() != from.size()) {
        to.assign(from);
        return true;
    }
    if (from.empty() || std::memcmp(to.data(), from.data(), from.size()) == 0)
        return false;
    std::memmove(to.data(), from.data(), from.size());
    return true;
}

} // namespace platform
