#include "store/InternedText.h"

#include <mutex>
#include <set>
#include <string>

namespace store {

std::string_view internedText(std::string_view text)
{
    static std::mutex mutex;
    static std::set<std::string, std::less<>> texts; // nodes never move
    const std::lock_guard lock(mutex);
    auto it = texts.find(text);
    if (it == texts.end())
        it = texts.emplace(text).first;
    return *it;
}

} // namespace store
