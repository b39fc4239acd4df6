#include "platform/htmlhelp/TopicSearch.h"

#include <algorithm>
#include <cctype>

#include "platform/htmlhelp/HelpFile.h"
#include "platform/htmlhelp/HtmlTokens.h"

namespace platform::chm {

namespace {

bool isWordByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return std::isalnum(u) || u >= 0x80; // letters outside ASCII count as letters
}

std::string collapseSpace(std::string_view text)
{
    std::string out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
            space = !out.empty();
            continue;
        }
        if (space)
            out += ' ';
        space = false;
        out += c;
    }
    return out;
}

} // namespace

std::string pageText(std::string_view html)
{
    std::string raw;
    int hidden = 0; // inside <script> or <style>
    scanHtml(html, {[&](std::string_view text) {
                        if (hidden == 0)
                            raw += text;
                    },
                    [&](const HtmlTag& tag) {
                        if (tag.name == "script" || tag.name == "style")
                            hidden = tag.closing ? std::max(0, hidden - 1) : hidden + 1;
                        raw += ' ';
                    }});
    return collapseSpace(decodeEntities(raw));
}

std::string pageTitle(std::string_view html)
{
    std::string raw;
    bool inTitle = false;
    bool done = false;
    scanHtml(html, {[&](std::string_view text) {
                        if (inTitle && !done)
                            raw += text;
                    },
                    [&](const HtmlTag& tag) {
                        if (tag.name == "title") {
                            if (inTitle && tag.closing)
                                done = true;
                            inTitle = !tag.closing;
                        }
                    }});
    return collapseSpace(decodeEntities(raw));
}

std::vector<std::string> TopicSearch::words(std::string_view text)
{
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && !isWordByte(text[at]))
            ++at;
        const std::size_t start = at;
        while (at < text.size() && isWordByte(text[at]))
            ++at;
        if (at == start)
            continue;
        std::string& word = out.emplace_back(text.substr(start, at - start));
        for (char& c : word)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

TopicSearch::TopicSearch(const HelpFile& file)
{
    for (const std::string& topic : file.topics()) {
        const auto html = file.read(topic);
        if (!html)
            continue;
        Page page{topic, pageTitle(*html), {}, {}};
        std::vector<std::string> text = words(pageText(*html));
        std::sort(text.begin(), text.end());
        for (std::string& w : text) {
            if (!page.counts.empty() && page.counts.back().first == w)
                ++page.counts.back().second;
            else
                page.counts.emplace_back(std::move(w), 1);
        }
        page.titleWords = words(page.title);
        std::sort(page.titleWords.begin(), page.titleWords.end());
        page.titleWords.erase(std::unique(page.titleWords.begin(), page.titleWords.end()), page.titleWords.end());
        pages_.push_back(std::move(page));
    }
}

std::vector<TopicSearch::Hit> TopicSearch::find(std::string_view query) const
{
    const std::vector<std::string> wanted = words(query);
    std::vector<Hit> hits;
    if (wanted.empty())
        return hits;
    for (const Page& page : pages_) {
        int score = 0;
        bool all = true;
        for (const std::string& w : wanted) {
            int found = 0;
            const auto from = std::lower_bound(page.counts.begin(), page.counts.end(), w,
                                               [](const auto& count, const std::string& word) { return count.first < word; });
            for (auto it = from; it != page.counts.end() && it->first.starts_with(w); ++it)
                found += it->second;
            if (found == 0) {
                all = false;
                break;
            }
            score += found;
            const auto titleFrom = std::lower_bound(page.titleWords.begin(), page.titleWords.end(), w);
            for (auto it = titleFrom; it != page.titleWords.end() && it->starts_with(w); ++it)
                score += 10;
        }
        if (all)
            hits.push_back({page.topic, page.title, score});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.score > b.score; });
    return hits;
}

} // namespace platform::chm
