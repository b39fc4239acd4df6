// The compiled-help reader on arbitrary bytes: opening never crashes, and a
// file that opens can be read through: every page, its text and title, the
// context map, the contents and index, a search.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/htmlhelp/ChmArchive.h"
#include "platform/htmlhelp/HelpFile.h"
#include "platform/htmlhelp/TopicSearch.h"

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// The seeds' small help file (mini.chm) unpacks to 19 KB.
constexpr std::size_t kMostUnpackedBytes = 32 << 10;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto archive = platform::chm::ChmArchive::fromBytes(std::string(reinterpret_cast<const char*>(data), size));
    if (!archive)
        return 0;
    std::size_t unpacked = 0;
    for (const std::string& name : archive->names()) {
        check(archive->contains(name));
        if (const auto bytes = archive->read(name)) {
            check(bytes->size() <= platform::chm::ChmArchive::kMaxEntrySize);
            unpacked += bytes->size();
        }
    }
    // Past this, reading the pages again and indexing every word costs tens
    // of milliseconds an input and reaches nothing a smaller file does not.
    if (unpacked > kMostUnpackedBytes)
        return 0;
    auto file = platform::chm::HelpFile::fromArchive(std::move(archive));
    if (!file)
        return 0;
    check(file->findFile(file->defaultTopic()).has_value());
    for (const auto& [id, topic] : file->contextTopics())
        check(file->topicForContext(id) == topic);
    const platform::chm::TopicSearch search(*file);
    (void)search.find("limpers raise");
    return 0;
}
