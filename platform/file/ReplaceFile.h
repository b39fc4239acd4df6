#pragma once
// Replaces a file's contents so that a reader sees the old contents or the
// new, never half of them: the new contents go into PATH.part beside it,
// which is then renamed over it. A symbolic link is followed, through any
// number of links, and its target replaced; the link stays. A path that is
// no regular file (a device, a pipe) is written through as it is.

#include <string>
#include <string_view>

namespace platform {

struct ReplaceFileResult {
    bool ok = false;
    std::string error; // why not, when not
};

ReplaceFileResult replaceFile(const std::string& path, std::string_view contents);

} // namespace platform
