#pragma once
// Full-text search over the pages of a help file: the pages that hold every
// word of a query, best first. Words are runs of letters and digits, compared
// without regard to case; a query word also finds longer words it begins.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::chm {

class HelpFile;

// The text a reader sees on a page: tags, scripts and styles removed,
// character references decoded, white space collapsed.
std::string pageText(std::string_view html);
// The page's <title>, decoded and trimmed.
std::string pageTitle(std::string_view html);

class TopicSearch {
public:
    explicit TopicSearch(const HelpFile& file);

    struct Hit {
        std::string topic; // archive path
        std::string title;
        int score = 0;     // occurrences of the query words; title words count more
    };
    std::vector<Hit> find(std::string_view query) const;

    // The words of a text, lower case, in order.
    static std::vector<std::string> words(std::string_view text);

private:
    struct Page {
        std::string topic;
        std::string title;
        // Sorted by word, so that a query word finds the words it begins
        // as one run.
        std::vector<std::pair<std::string, int>> counts;
        std::vector<std::string> titleWords; // sorted, each once
    };
    std::vector<Page> pages_;
};

} // namespace platform::chm
