#include "platform/htmlhelp/Sitemap.h"

#include "platform/htmlhelp/HtmlTokens.h"
#include "platform/text/AsciiCase.h"

namespace platform::chm {

std::vector<SitemapEntry> parseSitemap(std::string_view html)
{
    std::vector<SitemapEntry> root;
    // The lists being filled, outermost first. Only the innermost one grows
    // while deeper ones are open, so the pointers stay valid.
    std::vector<std::vector<SitemapEntry>*> lists{&root};
    int ignoredDepth = 0; // lists opened beyond the depth limit
    bool inObject = false;
    bool seenList = false;

    scanHtml(html, {nullptr, [&](const HtmlTag& tag) {
        if (tag.name == "ul") {
            inObject = false; // a list ends any entry left open
            if (!tag.closing) {
                // The first list is the top level; a later one nests under the
                // last entry of the list it is in.
                if (!seenList) {
                    seenList = true;
                    return;
                }
                std::vector<SitemapEntry>& current = *lists.back();
                if (current.empty() || lists.size() >= static_cast<std::size_t>(kMaxSitemapDepth))
                    ++ignoredDepth;
                else
                    lists.push_back(&current.back().children);
            } else if (ignoredDepth > 0) {
                --ignoredDepth;
            } else if (lists.size() > 1) {
                lists.pop_back();
            }
        } else if (tag.name == "object") {
            if (!tag.closing && text::equalsIgnoringCase(tag.attribute("type"), "text/sitemap")) {
                lists.back()->emplace_back();
                inObject = true;
            } else if (tag.closing) {
                inObject = false;
            }
        } else if (tag.name == "param" && inObject && !lists.back()->empty()) {
            SitemapEntry& entry = lists.back()->back();
            const std::string_view name = tag.attribute("name");
            const std::string_view value = tag.attribute("value");
            if (text::equalsIgnoringCase(name, "Name") && entry.name.empty())
                entry.name.assign(value);
            else if (text::equalsIgnoringCase(name, "Local") && !value.empty())
                entry.locals.emplace_back(value);
        }
    }});
    return root;
}

} // namespace platform::chm
