#pragma once
// The contents (.hhc) and index (.hhk) files of a help file: nested lists of
// entries, each with a name and the topics it leads to.

#include <string>
#include <string_view>
#include <vector>

namespace platform::chm {

struct SitemapEntry {
    std::string name;
    std::vector<std::string> locals; // topic paths as written, first one first
    std::vector<SitemapEntry> children;
};

// Lists nest deeper than this are flattened into the deepest level.
inline constexpr int kMaxSitemapDepth = 32;

std::vector<SitemapEntry> parseSitemap(std::string_view html);

} // namespace platform::chm
