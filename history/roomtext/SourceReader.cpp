#include "history/roomtext/SourceReader.h"

#include <algorithm>
#include <array>
#include <vector>

#include "history/roomtext/HandParser.h"
#include "history/roomtext/HandSplitter.h"

namespace history::roomtext {

namespace {

// Line numbers of problems count from the file's start. A read that starts
// further on counts the breaks before it only when a problem needs them.
class LineNumbers {
public:
    LineNumbers(ByteSource& source, TextEncoding encoding, std::uint64_t from, std::uint64_t to)
        : source_(source), encoding_(encoding), from_(from), to_(to)
    {
    }

    std::uint64_t linesBefore()
    {
        if (!counted_) {
            counted_ = true;
            count();
        }
        return before_;
    }

private:
    void count()
    {
        std::vector<char> chunk(std::size_t{1} << 16);
        const std::uint64_t unit = encoding_ == TextEncoding::Utf16Le ? 2 : 1;
        std::uint64_t at = from_;
        while (at < to_) {
            const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), to_ - at));
            const std::size_t got = source_.readAt(at, chunk.data(), want & ~std::size_t{unit - 1});
            if (got == 0)
                break;
            for (std::size_t i = 0; i + unit <= got; i += unit)
                if (chunk[i] == '\n' && (unit == 1 || chunk[i + 1] == '\0'))
                    ++before_;
            at += got;
        }
    }

    ByteSource& source_;
    TextEncoding encoding_;
    std::uint64_t from_;
    std::uint64_t to_;
    bool counted_ = false;
    std::uint64_t before_ = 0;
};

ReadProblem handProblem(const HandPiece& piece, const HandParser& parser)
{
    ReadProblem problem;
    if (piece.lineTooLong) {
        problem.reason = "a line too long to be a hand's";
        problem.kind = "syntax";
    } else if (piece.handTooLong) {
        problem.reason = "a hand too long to be read";
        problem.kind = "syntax";
    } else {
        problem.reason = parser.failure().reason;
        problem.kind = parser.failure().kind;
    }
    return problem;
}

} // namespace

ReadSummary readSource(ByteSource& source, const std::string& name, HandSink& sink, const ReadOptions& options,
                       const SourceReadSettings& settings)
{
    std::array<char, 3> head{};
    const std::size_t headBytes = source.readAt(0, head.data(), head.size());
    const EncodingMark mark = detectEncoding(std::string_view(head.data(), headBytes));
    const std::uint64_t start = std::max<std::uint64_t>(options.startOffset, mark.markBytes);

    LineReader lines(source, mark.encoding, start, settings.chunkBytes, settings.maxLineBytes);
    HandSplitter splitter(lines, start, options.fileIsComplete);
    LineNumbers numbers(source, mark.encoding, mark.markBytes, start);
    HandParser parser;
    HandHistory hand;
    ReadSummary summary;

    const auto report = [&](const HandPiece& piece, ReadProblem problem) {
        problem.file = name;
        problem.line = numbers.linesBefore() + piece.firstLine;
        ++summary.problems;
        sink.problem(problem, piece.endOffset);
    };

    HandPiece piece;
    for (;;) {
        if (options.cancel && options.cancel->load()) {
            summary.cancelled = true;
            break;
        }
        if (!splitter.next(piece))
            break;
        if (piece.kind == HandPiece::Kind::Stray) {
            if (piece.atEndOfSource && !splitter.sawHand() && start == mark.markBytes) {
                // Said of the whole file, so of no line.
                summary.notAHandHistory = true;
                ++summary.problems;
                sink.problem({name, 0, "no hand of the room's text export in this file", "not-a-hand-history"},
                             piece.endOffset);
            } else {
                report(piece, {{}, 0, "text outside any hand", "syntax"});
            }
            continue;
        }
        if (!piece.lineTooLong && !piece.handTooLong && parser.parse(piece.text, hand)) {
            ++summary.hands;
            sink.hand(hand, piece.text, piece.endOffset);
        } else {
            report(piece, handProblem(piece, parser));
        }
    }
    summary.endOffset = std::max(splitter.resumeOffset(), options.startOffset);
    return summary;
}

} // namespace history::roomtext
