#pragma once
// A compiled help file as the viewer needs it: its title, default topic,
// contents and index, the topics of its context numbers, and its files.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/htmlhelp/ChmArchive.h"
#include "platform/htmlhelp/Sitemap.h"

namespace platform::chm {

class HelpFile {
public:
    // Nothing when the file is missing, unreadable or not a help file.
    static std::unique_ptr<HelpFile> open(const std::string& path);
    static std::unique_ptr<HelpFile> fromArchive(std::unique_ptr<ChmArchive> archive);

    const std::string& title() const noexcept { return title_; }
    // Archive path of the topic shown first ("/topics/main.htm"); empty if none.
    const std::string& defaultTopic() const noexcept { return defaultTopic_; }
    const std::vector<SitemapEntry>& contents() const noexcept { return contents_; }
    const std::vector<SitemapEntry>& index() const noexcept { return index_; }
    const std::map<std::int32_t, std::string>& contextTopics() const noexcept { return contextTopics_; }

    // The archive path of a topic named relative to the archive root ("a.htm",
    // "/a.htm", "./dir/../a.htm"), matched exactly or else ignoring case; any
    // "#anchor" must be removed first.
    std::optional<std::string> findFile(std::string_view name) const;
    std::optional<std::string> topicForContext(std::int32_t contextId) const;

    // Every page (.htm, .html) of the archive, in archive order.
    std::vector<std::string> topics() const;
    std::optional<std::string> read(std::string_view archivePath) const { return archive_->read(archivePath); }

private:
    explicit HelpFile(std::unique_ptr<ChmArchive> archive);
    void readSystem();
    void readContextMap();
    void chooseDefaults();

    std::unique_ptr<ChmArchive> archive_;
    std::map<std::string, std::string> lowerCaseNames_;
    std::string title_;
    std::string defaultTopic_;
    std::string contentsFile_;
    std::string indexFile_;
    std::vector<SitemapEntry> contents_;
    std::vector<SitemapEntry> index_;
    std::map<std::int32_t, std::string> contextTopics_;
};

// Joins a relative link to the folder of the page it is on and removes "."
// and ".." steps: ("/topics/a.htm", "../b.htm") gives "/b.htm".
std::string resolveArchivePath(std::string_view fromPage, std::string_view link);

} // namespace platform::chm
