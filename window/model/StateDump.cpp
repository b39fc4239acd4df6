#include "window/model/StateDump.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/file/ReplaceFile.h"
#include "window/model/FrmPoker.h"

namespace window {

namespace {

bool needsEscape(char c)
{
    return c == '\\' || c == '\r' || c == '\n' || c == '\t';
}

// Whether any of the eight bytes is below a space or a backslash, the bytes
// an escape may stand for: texts are long and mostly plain, so they are
// scanned eight bytes at a time.
bool mayNeedEscape(std::uint64_t bytes)
{
    constexpr std::uint64_t ones = 0x0101010101010101ull;
    constexpr std::uint64_t highs = 0x8080808080808080ull;
    const std::uint64_t backslashes = bytes ^ (ones * '\\');
    const std::uint64_t belowSpace = (bytes - ones * 0x20) & ~bytes & highs;
    const std::uint64_t backslash = (backslashes - ones) & ~backslashes & highs;
    return (belowSpace | backslash) != 0;
}

} // namespace

void appendEscaped(std::string& out, std::string_view text)
{
    // Runs without a character to escape go in whole.
    std::size_t from = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (i + 8 <= text.size()) {
            std::uint64_t bytes;
            std::memcpy(&bytes, text.data() + i, 8);
            if (!mayNeedEscape(bytes)) {
                i += 8;
                continue;
            }
        }
        const char c = text[i++];
        if (!needsEscape(c))
            continue;
        out.append(text.substr(from, i - 1 - from));
        out.push_back('\\');
        out.push_back(c == '\\' ? '\\' : c == '\r' ? 'r' : c == '\n' ? 'n' : 't');
        from = i;
    }
    out.append(text.substr(from));
}

void appendDumpLine(std::string& out, std::string_view name, std::string_view text)
{
    out.append(name);
    out.push_back('\t');
    appendEscaped(out, text);
    out.push_back('\n');
}

void appendDumpLine(std::string& out, std::string_view name, long value)
{
    char buf[24];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    appendDumpLine(out, name, std::string_view(buf, static_cast<std::size_t>(end - buf)));
}

bool writeDumpFile(const std::string& dump, const std::string& path)
{
    const platform::ReplaceFileResult written = platform::replaceFile(path, dump);
    if (!written.ok)
        std::fprintf(stderr, "brisvane-tablewise: cannot write the state file %s: %s\n", path.c_str(),
                     written.error.c_str());
    return written.ok;
}

void appendStateDump(std::string& out, const FrmPoker& frm)
{
    const FrmPoker& s = frm;
    appendDumpLine(out, "txtBB", s.txtBB.text());
    appendDumpLine(out, "txtHoleCard", s.txtHoleCard.text());
    appendDumpLine(out, "chkSuited", s.chkSuited.value());
    appendDumpLine(out, "optEarly", s.optEarly.value());
    appendDumpLine(out, "optMiddle", s.optMiddle.value());
    appendDumpLine(out, "optLate", s.optLate.value());
    appendDumpLine(out, "optBlinds", s.optBlinds.value());
    appendDumpLine(out, "optOpened", s.optOpened.value());
    appendDumpLine(out, "optLimped", s.optLimped.value());
    appendDumpLine(out, "optRaised", s.optRaised.value());
    appendDumpLine(out, "optRaisedCalled", s.optRaisedCalled.value());
    appendDumpLine(out, "optRaiseReRaise", s.optRaiseReRaise.value());
    appendDumpLine(out, "txtLimpers", s.txtLimpers.text());
    appendDumpLine(out, "lblCardSort", s.lblCardSort.caption());
    appendDumpLine(out, "lblCardValue", s.lblCardValue.caption());
    appendDumpLine(out, "lblGroup", s.lblGroup.caption());
    appendDumpLine(out, "lblBetAmount", s.lblBetAmount.caption());
    appendDumpLine(out, "txtPreFlop", s.txtPreFlop.text());
    appendDumpLine(out, "cmbPostFlop", s.cmbPostFlop.text());
    appendDumpLine(out, "cmbPostFlop.ListIndex", s.cmbPostFlop.listIndex());
    appendDumpLine(out, "optIn", s.optIn.value());
    appendDumpLine(out, "optOut", s.optOut.value());
    appendDumpLine(out, "optRaisedPost", s.optRaisedPost.value());
    appendDumpLine(out, "optLimpedPost", s.optLimpedPost.value());
    appendDumpLine(out, "optHeadsUp", s.optHeadsUp.value());
    appendDumpLine(out, "optMultiWay", s.optMultiWay.value());
    appendDumpLine(out, "txtFlop", s.txtFlop.text());
    appendDumpLine(out, "sortedCard", s.sortedCard);
    appendDumpLine(out, "groupNo", s.groupNo);
    appendDumpLine(out, "adviseText", s.adviseText);
    appendDumpLine(out, "flopAdviseText", s.flopAdviseText);
    appendDumpLine(out, "bbText", s.bbText);
    const platform::Control* focus = frm.form.focus();
    appendDumpLine(out, "focus", focus ? std::string_view(focus->name()) : std::string_view{});
    out.push_back('\n');
}

} // namespace window
