#pragma once
// The walk over one export, from any byte source: lines cut into hands, each
// hand read and given to the sink, every piece that cannot be read reported.
// The file reader runs it over a file; the fuzzer over a buffer in memory.

#include <cstddef>
#include <string>

#include "history/readers/HandReader.h"
#include "history/roomtext/ByteSource.h"
#include "history/roomtext/LineReader.h"

namespace history::roomtext {

struct SourceReadSettings {
    std::size_t chunkBytes = LineReader::kDefaultChunkBytes;
    std::size_t maxLineBytes = LineReader::kDefaultMaxLineBytes;
};

ReadSummary readSource(ByteSource& source, const std::string& name, HandSink& sink, const ReadOptions& options,
                       const SourceReadSettings& settings = {});

} // namespace history::roomtext
