#pragma once
// A forgiving scanner for the HTML of help files: text runs and tags with
// their attributes, comments and declarations skipped. Never fails; anything
// it cannot make sense of is text.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::chm {

struct HtmlTag {
    std::string name; // lower case
    bool closing = false;
    std::vector<std::pair<std::string, std::string>> attributes; // names lower case, values decoded

    // The attribute's value, or empty.
    std::string_view attribute(std::string_view name) const;
};

struct HtmlVisitor {
    std::function<void(std::string_view text)> text; // raw, entities not yet decoded
    std::function<void(const HtmlTag& tag)> tag;
};

void scanHtml(std::string_view html, const HtmlVisitor& visitor);

// Replaces character references (&amp; &#233; &#xE9; ...) with UTF-8.
std::string decodeEntities(std::string_view text);

} // namespace platform::chm
