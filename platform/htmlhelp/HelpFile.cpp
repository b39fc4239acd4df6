#include "platform/htmlhelp/HelpFile.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace platform::chm {

namespace {

std::string toLower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool endsWithNoCase(std::string_view s, std::string_view suffix)
{
    return s.size() >= suffix.size() && toLower(s.substr(s.size() - suffix.size())) == suffix;
}

bool isPage(std::string_view name)
{
    return (endsWithNoCase(name, ".htm") || endsWithNoCase(name, ".html")) && name.find("/#") == std::string_view::npos;
}

std::uint32_t le32(std::string_view bytes, std::size_t at)
{
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return v;
}

std::uint16_t le16(std::string_view bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// A record's text up to its first NUL.
std::string recordText(std::string_view data)
{
    return std::string(data.substr(0, std::min(data.find('\0'), data.size())));
}

} // namespace

std::string resolveArchivePath(std::string_view fromPage, std::string_view link)
{
    std::string joined;
    if (!link.empty() && (link[0] == '/' || link[0] == '\\')) {
        joined.assign(link);
    } else {
        const std::size_t slash = fromPage.rfind('/');
        joined.assign(slash == std::string_view::npos ? std::string_view{} : fromPage.substr(0, slash));
        joined += '/';
        joined += link;
    }
    std::replace(joined.begin(), joined.end(), '\\', '/');
    std::vector<std::string_view> parts;
    std::string_view rest = joined;
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
        if (part.empty() || part == ".")
            continue;
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string out;
    for (std::string_view part : parts) {
        out += '/';
        out += part;
    }
    return out.empty() ? "/" : out;
}

std::unique_ptr<HelpFile> HelpFile::open(const std::string& path)
{
    auto archive = ChmArchive::open(path);
    return archive ? fromArchive(std::move(archive)) : nullptr;
}

std::unique_ptr<HelpFile> HelpFile::fromArchive(std::unique_ptr<ChmArchive> archive)
{
    if (!archive)
        return nullptr;
    std::unique_ptr<HelpFile> file(new HelpFile(std::move(archive)));
    // A help file shows at least one page, and a file whose pages do not
    // unpack is damaged.
    if (file->defaultTopic_.empty() || !file->archive_->read(file->defaultTopic_))
        return nullptr;
    return file;
}

HelpFile::HelpFile(std::unique_ptr<ChmArchive> archive) : archive_(std::move(archive))
{
    for (const std::string& name : archive_->names())
        lowerCaseNames_.emplace(toLower(name), name);
    readSystem();
    if (!contentsFile_.empty())
        if (auto text = archive_->read(contentsFile_))
            contents_ = parseSitemap(*text);
    if (!indexFile_.empty())
        if (auto text = archive_->read(indexFile_))
            index_ = parseSitemap(*text);
    readContextMap();
    chooseDefaults();
}

// The system file: a version, then records of a 16-bit code, a 16-bit length
// and the data. Code 0 names the contents file, 1 the index file, 2 the
// default topic, 3 the title.
void HelpFile::readSystem()
{
    const auto system = archive_->read("/#SYSTEM");
    if (!system)
        return;
    const std::string_view bytes = *system;
    std::size_t at = 4;
    while (at + 4 <= bytes.size()) {
        const std::uint16_t code = le16(bytes, at);
        const std::uint16_t length = le16(bytes, at + 2);
        at += 4;
        if (length > bytes.size() - at)
            break;
        const std::string_view data = bytes.substr(at, length);
        at += length;
        switch (code) {
        case 0: contentsFile_ = findFile(recordText(data)).value_or(""); break;
        case 1: indexFile_ = findFile(recordText(data)).value_or(""); break;
        case 2: defaultTopic_ = findFile(recordText(data)).value_or(""); break;
        case 3: title_ = recordText(data); break;
        default: break;
        }
    }
}

// The context map: a byte count, then pairs of a context number and an
// offset into the strings file, where the topic's path stands. The compiler
// may have written the path it was built in before the archive path; the
// longest tail of the path that names a file of the archive is the topic.
void HelpFile::readContextMap()
{
    const auto ivb = archive_->read("/#IVB");
    const auto strings = archive_->read("/#STRINGS");
    if (!ivb || !strings || ivb->size() < 4)
        return;
    const std::size_t count = std::min<std::size_t>(le32(*ivb, 0), ivb->size() - 4) / 8;
    for (std::size_t i = 0; i < count; ++i) {
        const auto id = static_cast<std::int32_t>(le32(*ivb, 4 + 8 * i));
        const std::size_t offset = le32(*ivb, 8 + 8 * i);
        if (offset >= strings->size())
            continue;
        const std::string path = recordText(std::string_view(*strings).substr(offset));
        std::size_t from = 0;
        while (true) {
            if (auto found = findFile(std::string_view(path).substr(from))) {
                contextTopics_.emplace(id, *found);
                break;
            }
            const std::size_t next = path.find('/', from + 1);
            if (next == std::string::npos)
                break;
            from = next;
        }
    }
}

void HelpFile::chooseDefaults()
{
    if (contentsFile_.empty() || indexFile_.empty()) {
        for (const std::string& name : archive_->names()) {
            if (contentsFile_.empty() && endsWithNoCase(name, ".hhc")) {
                contentsFile_ = name;
                if (auto text = archive_->read(name))
                    contents_ = parseSitemap(*text);
            }
            if (indexFile_.empty() && endsWithNoCase(name, ".hhk")) {
                indexFile_ = name;
                if (auto text = archive_->read(name))
                    index_ = parseSitemap(*text);
            }
        }
    }
    if (defaultTopic_.empty() && !contents_.empty() && !contents_.front().locals.empty())
        defaultTopic_ = findFile(contents_.front().locals.front()).value_or("");
    if (defaultTopic_.empty()) {
        const auto pages = topics();
        if (!pages.empty())
            defaultTopic_ = pages.front();
    }
}

std::optional<std::string> HelpFile::findFile(std::string_view name) const
{
    if (name.empty())
        return std::nullopt;
    // An archive name as it stands, however odd, names its file.
    if (archive_->contains(name))
        return std::string(name);
    const std::string path = resolveArchivePath("/", name);
    if (archive_->contains(path))
        return path;
    const auto it = lowerCaseNames_.find(toLower(path));
    if (it != lowerCaseNames_.end())
        return it->second;
    return std::nullopt;
}

std::optional<std::string> HelpFile::topicForContext(std::int32_t contextId) const
{
    const auto it = contextTopics_.find(contextId);
    if (it == contextTopics_.end())
        return std::nullopt;
    return it->second;
}

std::vector<std::string> HelpFile::topics() const
{
    std::vector<std::string> pages;
    for (const std::string& name : archive_->names())
        if (isPage(name))
            pages.push_back(name);
    return pages;
}

} // namespace platform::chm
