#include "history/readers/HandReader.h"

#include <fstream>

#include "history/phh/PhhReader.h"
#include "history/roomtext/RoomTextReader.h"

namespace history {

FileFormat detectFormat(const std::filesystem::path& path, std::string_view firstBytes)
{
    const std::string ext = path.extension().string();
    if (ext == ".phh" || ext == ".phhs")
        return FileFormat::Phh;
    if (looksLikeRoomText(firstBytes))
        return FileFormat::RoomText;
    if (looksLikePhh(firstBytes))
        return FileFormat::Phh;
    return FileFormat::Unknown;
}

ReadSummary readHandHistoryFile(const std::filesystem::path& path, HandSink& sink, const ReadOptions& options)
{
    std::string head(4096, '\0');
    {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            ReadSummary s;
            s.problems = 1;
            sink.problem({path.string(), 0, "the file cannot be opened", "io"}, options.startOffset);
            s.endOffset = options.startOffset;
            return s;
        }
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        head.resize(static_cast<std::size_t>(in.gcount()));
    }
    switch (detectFormat(path, head)) {
    case FileFormat::Phh:
        return readPhhFile(path, sink, options);
    case FileFormat::RoomText:
        return readRoomTextFile(path, sink, options);
    case FileFormat::Unknown:
        break;
    }
    ReadSummary s;
    s.notAHandHistory = true;
    s.problems = 1;
    s.endOffset = options.startOffset;
    sink.problem({path.string(), 0, "this file is no hand history this program reads (PHH, or a room's text export)",
                  "not-a-hand-history"},
                 options.startOffset);
    return s;
}

std::optional<HandHistory> readOneHand(FileFormat format, std::string_view text)
{
    switch (format) {
    case FileFormat::Phh:
        return readPhhHand(text);
    case FileFormat::RoomText:
        return readRoomTextHand(text);
    case FileFormat::Unknown:
        break;
    }
    return std::nullopt;
}

} // namespace history
