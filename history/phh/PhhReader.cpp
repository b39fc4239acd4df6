#include "history/phh/PhhReader.h"

#include "history/phh/PhhHand.h"
#include "history/phh/PhhStream.h"

namespace history {

namespace {

std::string_view withoutBom(std::string_view text)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    return text;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A line `variant = ...` (the key bare or quoted).
bool isVariantLine(std::string_view line)
{
    std::size_t i = 0;
    while (i < line.size() && isBlank(line[i]))
        ++i;
    line.remove_prefix(i);
    for (std::string_view key : {"variant", "\"variant\"", "'variant'"})
        if (line.substr(0, key.size()) == key) {
            std::size_t j = key.size();
            while (j < line.size() && isBlank(line[j]))
                ++j;
            return j < line.size() && line[j] == '=';
        }
    return false;
}

} // namespace

bool looksLikePhh(std::string_view firstBytes)
{
    // Within the first 64 lines (all of them in the first bytes a reader
    // gives, which are a few kilobytes): a `variant =` line, or a `[n]` header
    // before any other text than blank lines, comments and keys.
    std::string_view text = withoutBom(firstBytes);
    for (int n = 0; n < 64 && !text.empty(); ++n) {
        const auto nl = text.find('\n');
        const std::string_view line = text.substr(0, nl);
        if (phh::isSectionHeader(line) || isVariantLine(line))
            return true;
        if (nl == std::string_view::npos)
            break;
        text.remove_prefix(nl + 1);
    }
    return false;
}

ReadSummary readPhhFile(const std::filesystem::path& path, HandSink& sink, const ReadOptions& options)
{
    return phh::readPhhFileWith(path, sink, options, phh::StreamLimits{});
}

std::optional<HandHistory> readPhhHand(std::string_view text)
{
    text = withoutBom(text);
    // Skip a leading `[n]` header line (after blank lines and comments), so
    // that a whole section reads as well as its text.
    std::string_view rest = text;
    while (!rest.empty()) {
        const auto nl = rest.find('\n');
        const std::string_view line = rest.substr(0, nl);
        std::size_t i = 0;
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (phh::isSectionHeader(line)) {
            text = nl == std::string_view::npos ? std::string_view{} : rest.substr(nl + 1);
            break;
        }
        if (i < line.size() && line[i] != '#')
            break; // the hand's text begins
        if (nl == std::string_view::npos)
            break;
        rest.remove_prefix(nl + 1);
    }
    HandHistory hand;
    try {
        if (phh::buildPhhHand(text, hand).status != phh::HandStatus::Ok)
            return std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return hand;
}

} // namespace history
