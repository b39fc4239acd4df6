#include "history/roomtext/HandSplitter.h"

#include <cstring>

namespace history::roomtext {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool isBlank(std::string_view text)
{
    for (const char c : text)
        if (c != ' ' && c != '\t')
            return false;
    return true;
}

} // namespace

bool isHandHeader(std::string_view line)
{
    return !line.empty() && line[0] == 'P' &&
           (line.starts_with("PokerStars Hand #") || line.starts_with("PokerStars Zoom Hand #"));
}

HandSplitter::HandSplitter(LineReader& lines, std::uint64_t startOffset, bool sourceIsComplete)
    : lines_(lines), complete_(sourceIsComplete), resume_(startOffset)
{
}

void HandSplitter::startHand(const Line& line)
{
    inHand_ = true;
    sawHand_ = true;
    hasSummary_ = lineTooLong_ = handTooLong_ = false;
    text_.clear();
    handFirstLine_ = lineNumber_;
    handStart_ = line.start;
    append(line);
}

void HandSplitter::append(const Line& line)
{
    handEnd_ = line.end;
    if (line.tooLong) {
        lineTooLong_ = true;
        return;
    }
    if (text_.size() + line.text.size() + 1 > kMaxHandBytes) {
        handTooLong_ = true;
        return;
    }
    const std::size_t at = text_.size();
    text_.resize(at + line.text.size() + 1);
    std::memcpy(text_.data() + at, line.text.data(), line.text.size());
    text_[at + line.text.size()] = '\n';
    if (!line.text.empty() && line.text[0] == '*' && line.text == "*** SUMMARY ***")
        hasSummary_ = true;
}

void HandSplitter::finishHand(HandPiece& piece)
{
    inHand_ = false;
    piece = HandPiece{};
    piece.kind = HandPiece::Kind::Hand;
    piece.text = std::string_view(text_.data(), text_.empty() ? 0 : text_.size() - 1);
    piece.firstLine = handFirstLine_;
    piece.startOffset = handStart_;
    piece.endOffset = handEnd_;
    piece.lineTooLong = lineTooLong_;
    piece.handTooLong = handTooLong_;
    resume_ = handEnd_;
}

void HandSplitter::finishStray(HandPiece& piece, bool atEnd)
{
    inStray_ = false;
    piece = HandPiece{};
    piece.kind = HandPiece::Kind::Stray;
    piece.firstLine = strayFirstLine_;
    piece.startOffset = strayStart_;
    piece.endOffset = strayEnd_;
    piece.atEndOfSource = atEnd;
    resume_ = strayEnd_;
}

bool HandSplitter::next(HandPiece& piece)
{
    Line line;
    for (;;) {
        // A last line still being written is not read until it is complete.
        const bool got = lines_.next(line) && (line.terminated || complete_);
        if (!got) {
            if (inHand_) {
                inHand_ = false;
                if (!complete_)
                    return false; // left whole for a later read
                finishHand(piece);
                return true;
            }
            if (inStray_) {
                finishStray(piece, true);
                return true;
            }
            return false;
        }
        ++lineNumber_;
        std::string_view text = line.text;
        if (text.starts_with(kUtf8Mark))
            text.remove_prefix(kUtf8Mark.size());
        line.text = text;
        const bool blank = !line.tooLong && isBlank(text);
        const bool header = !line.tooLong && isHandHeader(text);

        if (inHand_) {
            if (header) {
                lines_.unread(line);
                --lineNumber_;
                finishHand(piece);
                return true;
            }
            if (blank) {
                if (hasSummary_) {
                    handEnd_ = line.end; // the blank line that closes the hand is its own
                    finishHand(piece);
                    return true;
                }
                continue;
            }
            append(line);
            continue;
        }
        if (header) {
            if (inStray_) {
                lines_.unread(line);
                --lineNumber_;
                finishStray(piece, false);
                return true;
            }
            startHand(line);
            continue;
        }
        if (blank) {
            if (inStray_)
                strayEnd_ = line.end;
            else
                resume_ = line.end;
            continue;
        }
        if (!inStray_) {
            inStray_ = true;
            strayFirstLine_ = lineNumber_;
            strayStart_ = line.start;
        }
        strayEnd_ = line.end;
    }
}

} // namespace history::roomtext
