#pragma once
// The streaming half of the PHH reader: splits a file (or the same bytes held
// in memory) into hands at the `[n]` header lines and hands each section's
// text to toml++ alone, so memory is bounded by the largest hand, not by the
// file.
//
// Rules:
// - A section runs from its header line to the next header line; its text
//   (what the sink gets and toml++ parses) is what follows the header line.
//   Bytes before the first header form a section without a header: skipped
//   silently when they are only blank lines and comments, else read as a hand
//   (a .phh file, which has no header, is that one section).
// - A UTF-8 byte order mark at offset 0 is skipped; CR LF line ends are read
//   as LF (toml++ takes either).
// - A section followed by a header is complete. The last section of the data
//   is taken only when
//     * options.fileIsComplete is set (then it is a hand or a problem), or
//     * the data ends with "\n" and the section reads as a whole hand (TOML
//       parses and every required field is there and consistent).
//   Otherwise it is left alone: the summary's endOffset stays at its start,
//   so a later read from there takes it whole once the file has grown (the
//   next header arrived, or the writer finished the hand). A writer that
//   flushes a hand line by line could be caught at a line boundary where a
//   prefix already holds every required field (variant, blinds, stacks,
//   actions); writers of growing .phhs files should write each hand in one go.
// - A section larger than maxSection bytes (no real hand comes near) is not
//   held in memory: it is skipped as one problem of kind "too-large".
// - endOffset (of the summary and of each sink call) is the offset just past
//   the last hand taken or reported, i.e. the start of the next header line.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "history/readers/HandReader.h"

namespace history::phh {

struct StreamLimits {
    std::size_t chunk = std::size_t{1} << 20;      // bytes read at a time
    std::size_t maxSection = std::size_t{8} << 20; // a larger section is skipped
};

// Reads PHH bytes held in memory as readPhhFile reads a file of the same
// content (options.startOffset is an offset into `data`). `name` is the file
// name the problems carry.
ReadSummary readPhhBuffer(std::string_view data, const std::string& name, HandSink& sink, const ReadOptions& options,
                          const StreamLimits& limits = {});

// readPhhFile with other limits (tests).
ReadSummary readPhhFileWith(const std::filesystem::path& path, HandSink& sink, const ReadOptions& options,
                            const StreamLimits& limits);

} // namespace history::phh
