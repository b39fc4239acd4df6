// The HTML scanner, the contents/index parser, page text and paths on
// arbitrary text: nothing crashes, nesting stays within its limit, and
// resolved paths are always absolute and free of "." and ".." steps.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/htmlhelp/HelpFile.h"
#include "platform/htmlhelp/HtmlTokens.h"
#include "platform/htmlhelp/Sitemap.h"
#include "platform/htmlhelp/TopicSearch.h"

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

int depth(const std::vector<platform::chm::SitemapEntry>& entries)
{
    int deepest = 0;
    for (const auto& e : entries)
        deepest = std::max(deepest, depth(e.children));
    return entries.empty() ? 0 : deepest + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(depth(platform::chm::parseSitemap(text)) <= platform::chm::kMaxSitemapDepth);
    (void)platform::chm::pageText(text);
    (void)platform::chm::pageTitle(text);
    (void)platform::chm::decodeEntities(text);

    const std::size_t cut = size / 2;
    const std::string path = platform::chm::resolveArchivePath(text.substr(0, cut), text.substr(cut));
    check(!path.empty() && path[0] == '/');
    check(path.find("/./") == std::string::npos && path.find("/../") == std::string::npos);
    check(path.find("//") == std::string::npos);
    return 0;
}
