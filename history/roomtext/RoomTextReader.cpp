#include "history/roomtext/RoomTextReader.h"

#include "history/roomtext/ByteSource.h"
#include "history/roomtext/HandParser.h"
#include "history/roomtext/HandSplitter.h"
#include "history/roomtext/SourceReader.h"
#include "history/roomtext/TextEncoding.h"

namespace history {

bool looksLikeRoomText(std::string_view firstBytes)
{
    const roomtext::EncodingMark mark = roomtext::detectEncoding(firstBytes);
    firstBytes.remove_prefix(mark.markBytes);
    std::string text;
    if (mark.encoding == roomtext::TextEncoding::Utf16Le) {
        roomtext::appendUtf16LeAsUtf8(firstBytes.substr(0, firstBytes.size() & ~std::size_t{1}), text);
        firstBytes = text;
    }
    // A hand's header on any line: some exports open with a title of their own.
    while (!firstBytes.empty()) {
        if (roomtext::isHandHeader(firstBytes))
            return true;
        const std::size_t end = firstBytes.find('\n');
        if (end == std::string_view::npos)
            return false;
        firstBytes.remove_prefix(end + 1);
    }
    return false;
}

ReadSummary readRoomTextFile(const std::filesystem::path& path, HandSink& sink, const ReadOptions& options)
{
    roomtext::FileByteSource source(path);
    if (!source.isOpen()) {
        ReadSummary summary;
        summary.problems = 1;
        summary.endOffset = options.startOffset;
        sink.problem({path.string(), 0, "the file cannot be opened", "io"}, options.startOffset);
        return summary;
    }
    return roomtext::readSource(source, path.string(), sink, options);
}

std::optional<HandHistory> readRoomTextHand(std::string_view text)
{
    roomtext::HandParser parser;
    HandHistory hand;
    if (!parser.parse(text, hand))
        return std::nullopt;
    return hand;
}

} // namespace history
