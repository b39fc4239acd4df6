#include "history/phh/PhhStream.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <utility>

#include "history/phh/PhhHand.h"
#include "history/phh/PhhReader.h"

namespace history::phh {

namespace {

// Where the bytes come from: a file or memory.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to n bytes into dst; 0 at the end.
    virtual std::size_t read(char* dst, std::size_t n) = 0;
    // The number of line ends in [0, offset), for the line numbers of the
    // problems when the read started after offset 0.
    virtual std::uint64_t linesBefore(std::uint64_t offset) = 0;
    // A read failed (rather than reached the end).
    virtual bool failed() const { return false; }
};

std::uint64_t countNewlines(const char* p, std::size_t n)
{
    std::uint64_t lines = 0;
    const char* end = p + n;
    while ((p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr) {
        ++lines;
        ++p;
    }
    return lines;
}

class MemorySource final : public ByteSource {
public:
    MemorySource(std::string_view data, std::uint64_t start)
        : data_(data), pos_(static_cast<std::size_t>(std::min<std::uint64_t>(start, data.size())))
    {
    }
    std::size_t read(char* dst, std::size_t n) override
    {
        n = std::min(n, data_.size() - pos_);
        if (n != 0)
            std::memcpy(dst, data_.data() + pos_, n);
        pos_ += n;
        return n;
    }
    std::uint64_t linesBefore(std::uint64_t offset) override
    {
        return countNewlines(data_.data(), static_cast<std::size_t>(std::min<std::uint64_t>(offset, data_.size())));
    }

private:
    std::string_view data_;
    std::size_t pos_;
};

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openFile(const std::filesystem::path& path)
{
    File f(std::fopen(path.c_str(), "rb"));
    if (f)
        std::setvbuf(f.get(), nullptr, _IONBF, 0); // our own buffer is the only one
    return f;
}

class FileSource final : public ByteSource {
public:
    FileSource(const std::filesystem::path& path, File file) : path_(path), file_(std::move(file)) {}
    std::size_t read(char* dst, std::size_t n) override
    {
        const std::size_t got = std::fread(dst, 1, n, file_.get());
        if (got == 0 && std::ferror(file_.get()))
            failed_ = true;
        return got;
    }
    bool failed() const override { return failed_; }
    std::uint64_t linesBefore(std::uint64_t offset) override
    {
        File f = openFile(path_);
        if (!f)
            return 0;
        std::unique_ptr<char[]> buf(new char[1 << 16]);
        std::uint64_t lines = 0;
        while (offset > 0) {
            const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(offset, 1 << 16));
            const std::size_t got = std::fread(buf.get(), 1, want, f.get());
            if (got == 0)
                break;
            lines += countNewlines(buf.get(), got);
            offset -= got;
        }
        return lines;
    }

private:
    std::filesystem::path path_;
    File file_;
    bool failed_ = false;
};

bool blankOrComments(std::string_view text)
{
    bool lineStart = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n') {
            lineStart = true;
        } else if (c == ' ' || c == '\t' || c == '\r') {
        } else if (c == '#' && lineStart) {
            const auto nl = text.find('\n', i);
            if (nl == std::string_view::npos)
                return true;
            i = nl - 1;
        } else {
            return false;
        }
    }
    return true;
}

class Splitter {
public:
    Splitter(ByteSource& source, const std::string& name, HandSink& sink, const ReadOptions& options,
             const StreamLimits& limits)
        : source_(source), name_(name), sink_(sink), options_(options),
          chunk_(std::max<std::size_t>(limits.chunk, 1)), maxSection_(std::max<std::size_t>(limits.maxSection, 1))
    {
        summary_.endOffset = options.startOffset;
        bufOffset_ = options.startOffset;
    }

    ReadSummary run()
    {
        capacity_ = std::max<std::size_t>(chunk_, 64);
        buf_.reset(new char[capacity_]);
        while (!eof_ && len_ < 3)
            fill();
        if (options_.startOffset == 0 && len_ >= 3 && std::memcmp(buf_.get(), "\xEF\xBB\xBF", 3) == 0)
            pos_ = secStart_ = bodyStart_ = 3;

        for (;;) {
            const char* nl = static_cast<const char*>(std::memchr(buf_.get() + pos_, '\n', len_ - pos_));
            if (!nl) {
                if (eof_)
                    break;
                refill();
                continue;
            }
            const auto lineEnd = static_cast<std::size_t>(nl - buf_.get());
            if (!midLine_ && isSectionHeader({buf_.get() + pos_, lineEnd - pos_})) {
                if (!section(pos_, true))
                    return summary_;
                startSection(true, lineEnd + 1);
            }
            midLine_ = false;
            ++lines_;
            pos_ = lineEnd + 1;
        }
        if (source_.failed()) {
            // What was read may be cut anywhere: leave it for a later read.
            problem(0, "the file cannot be read", "io", summary_.endOffset);
            return summary_;
        }
        // The data ends with [pos_, len_), a line without its line end. One
        // that starts with "[" is most likely a header being written: what
        // is before it is then judged as a last section, and the line as one
        // of its own (a header of an empty hand, or something else).
        if (pos_ < len_ && !midLine_ && buf_[pos_] == '[') {
            if (!section(pos_, false))
                return summary_;
            const bool header = isSectionHeader({buf_.get() + pos_, len_ - pos_});
            startSection(header, header ? len_ : pos_);
        }
        section(len_, false);
        return summary_;
    }

private:
    // Reads more after len_ (the buffer has room).
    void fill()
    {
        while (!eof_ && len_ < capacity_) {
            const std::size_t got = source_.read(buf_.get() + len_, std::min(chunk_, capacity_ - len_));
            if (got == 0)
                eof_ = true;
            len_ += got;
            if (got != 0)
                break;
        }
    }

    // Makes room for more: drops what is before the section (or, for a
    // section too large to keep, everything read of it), grows the buffer when
    // the section fills it.
    void refill()
    {
        if (len_ - secStart_ > maxSection_)
            oversized_ = true;
        std::size_t keep = secStart_;
        if (oversized_) {
            // Keep only the line being read, and not even that when it is too
            // long to be a header.
            keep = pos_;
            if (len_ - pos_ > 64) {
                keep = len_;
                midLine_ = true;
            }
        }
        if (keep > 0) {
            std::memmove(buf_.get(), buf_.get() + keep, len_ - keep);
            len_ -= keep;
            pos_ -= std::min(pos_, keep);
            secStart_ -= std::min(secStart_, keep);
            bodyStart_ -= std::min(bodyStart_, keep);
            bufOffset_ += keep;
        }
        if (capacity_ - len_ < chunk_ / 2 + 1) {
            const std::size_t bigger = std::max(capacity_ * 2, len_ + chunk_);
            std::unique_ptr<char[]> grown(new char[bigger]);
            std::memcpy(grown.get(), buf_.get(), len_);
            buf_ = std::move(grown);
            capacity_ = bigger;
        }
        fill();
    }

    // A section starts at pos_, its text at bodyStart.
    void startSection(bool header, std::size_t bodyStart)
    {
        secStart_ = pos_;
        secLine_ = lines_;
        bodyStart_ = bodyStart;
        bodyLine_ = header ? lines_ + 1 : lines_;
        hasHeader_ = header;
        oversized_ = false;
    }

    std::uint64_t fileLine(std::uint64_t relative)
    {
        if (!lineBaseKnown_) {
            lineBase_ = options_.startOffset == 0 ? 0 : source_.linesBefore(options_.startOffset);
            lineBaseKnown_ = true;
        }
        return lineBase_ + relative + 1;
    }

    void problem(std::uint64_t line, std::string reason, const char* kind, std::uint64_t end)
    {
        ++summary_.problems;
        summary_.endOffset = end;
        sink_.problem(ReadProblem{name_, line, std::move(reason), kind}, end);
    }

    // The section [secStart_, end) of the buffer. `complete` when a header
    // follows it; else it is the last one of the data. False when the read
    // must stop: cancelled, or a last section left for a later read.
    bool section(std::size_t end, bool complete)
    {
        if (options_.cancel && options_.cancel->load(std::memory_order_relaxed)) {
            summary_.cancelled = true;
            return false;
        }
        const std::uint64_t endOffset = bufOffset_ + end;
        if (end - secStart_ > maxSection_)
            oversized_ = true; // too large whether or not the buffer had to grow for it
        if (oversized_) {
            if (!complete && !options_.fileIsComplete)
                return false;
            problem(fileLine(secLine_), "a hand larger than " + std::to_string(maxSection_) + " bytes", "too-large",
                    endOffset);
            return true;
        }
        const std::string_view body(buf_.get() + bodyStart_, end - bodyStart_);
        const bool mayWait = !complete && !options_.fileIsComplete;
        if (!hasHeader_ && blankOrComments(body)) {
            // Blank lines or comments before the first header (or nothing).
            if (!mayWait || body.empty() || body.back() == '\n') {
                summary_.endOffset = std::max(summary_.endOffset, endOffset);
                return true;
            }
            return false;
        }
        if (mayWait && (body.empty() || body.back() != '\n'))
            return false; // a last line still being written
        HandResult r;
        try {
            r = buildPhhHand(body, hand_);
        } catch (const std::exception& e) {
            r.status = HandStatus::Incomplete;
            r.reason = e.what();
        }
        if (r.status == HandStatus::Ok) {
            ++summary_.hands;
            summary_.endOffset = endOffset;
            sink_.hand(hand_, body, endOffset);
            return true;
        }
        if (mayWait)
            return false; // perhaps only half written: a later read takes it whole
        const std::uint64_t line = r.status == HandStatus::Syntax && r.line > 0
                                       ? fileLine(bodyLine_ + r.line - 1)
                                       : fileLine(hasHeader_ ? secLine_ : firstLineOf(body));
        problem(line, std::move(r.reason), problemKind(r.status), endOffset);
        return true;
    }

    // The relative line of the first line of a section without header that is
    // not blank (where the hand starts).
    std::uint64_t firstLineOf(std::string_view body) const
    {
        std::uint64_t line = secLine_;
        std::size_t i = 0;
        while (i < body.size()) {
            const auto nl = body.find('\n', i);
            const std::string_view l = body.substr(i, nl == std::string_view::npos ? std::string_view::npos : nl - i);
            if (!blankOrComments(l))
                break;
            if (nl == std::string_view::npos)
                break;
            ++line;
            i = nl + 1;
        }
        return line;
    }

    ByteSource& source_;
    const std::string& name_;
    HandSink& sink_;
    const ReadOptions& options_;
    const std::size_t chunk_;
    const std::size_t maxSection_;

    std::unique_ptr<char[]> buf_;
    std::size_t capacity_ = 0;
    std::size_t len_ = 0;
    std::uint64_t bufOffset_ = 0; // the file offset of buf_[0]
    bool eof_ = false;

    std::size_t pos_ = 0;     // the start of the next line to look at
    bool midLine_ = false;    // pos_ is inside a line whose start was dropped
    std::uint64_t lines_ = 0; // line ends seen since the start offset

    // The current section.
    std::size_t secStart_ = 0;
    std::size_t bodyStart_ = 0;
    std::uint64_t secLine_ = 0;  // its first line (relative, 0-based)
    std::uint64_t bodyLine_ = 0; // the first line of its text
    bool hasHeader_ = false;
    bool oversized_ = false;

    std::uint64_t lineBase_ = 0;
    bool lineBaseKnown_ = false;

    HandHistory hand_;
    ReadSummary summary_;
};

} // namespace

ReadSummary readPhhBuffer(std::string_view data, const std::string& name, HandSink& sink, const ReadOptions& options,
                          const StreamLimits& limits)
{
    MemorySource source(data, options.startOffset);
    return Splitter(source, name, sink, options, limits).run();
}

ReadSummary readPhhFileWith(const std::filesystem::path& path, HandSink& sink, const ReadOptions& options,
                            const StreamLimits& limits)
{
    const std::string name = path.string();
    File file = openFile(path);
    if (file && options.startOffset > 0 && fseeko(file.get(), static_cast<off_t>(options.startOffset), SEEK_SET) != 0)
        file.reset();
    if (!file) {
        ReadSummary s;
        s.problems = 1;
        s.endOffset = options.startOffset;
        sink.problem(ReadProblem{name, 0, "the file cannot be opened", "io"}, options.startOffset);
        return s;
    }
    FileSource source(path, std::move(file));
    return Splitter(source, name, sink, options, limits).run();
}

} // namespace history::phh
