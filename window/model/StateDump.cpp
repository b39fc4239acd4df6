#include "window/model/StateDump.h"

#include <charconv>
#include <cstdint>
#include <cstring>

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

namespace {

void line(std::string& out, std::string_view name, std::string_view text)
{
    out.append(name);
    out.push_back('\t');
    appendEscaped(out, text);
    out.push_back('\n');
}

void line(std::string& out, std::string_view name, long value)
{
    char buf[24];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    line(out, name, std::string_view(buf, static_cast<std::size_t>(end - buf)));
}

} // namespace

void appendStateDump(std::string& out, const FrmPoker& frm)
{
    const FrmPoker& s = frm;
    line(out, "txtBB", s.txtBB.text());
    line(out, "txtHoleCard", s.txtHoleCard.text());
    line(out, "chkSuited", s.chkSuited.value());
    line(out, "optEarly", s.optEarly.value());
    line(out, "optMiddle", s.optMiddle.value());
    line(out, "optLate", s.optLate.value());
    line(out, "optBlinds", s.optBlinds.value());
    line(out, "optOpened", s.optOpened.value());
    line(out, "optLimped", s.optLimped.value());
    line(out, "optRaised", s.optRaised.value());
    line(out, "optRaisedCalled", s.optRaisedCalled.value());
    line(out, "optRaiseReRaise", s.optRaiseReRaise.value());
    line(out, "txtLimpers", s.txtLimpers.text());
    line(out, "lblCardSort", s.lblCardSort.caption());
    line(out, "lblCardValue", s.lblCardValue.caption());
    line(out, "lblGroup", s.lblGroup.caption());
    line(out, "lblBetAmount", s.lblBetAmount.caption());
    line(out, "txtPreFlop", s.txtPreFlop.text());
    line(out, "cmbPostFlop", s.cmbPostFlop.text());
    line(out, "cmbPostFlop.ListIndex", s.cmbPostFlop.listIndex());
    line(out, "optIn", s.optIn.value());
    line(out, "optOut", s.optOut.value());
    line(out, "optRaisedPost", s.optRaisedPost.value());
    line(out, "optLimpedPost", s.optLimpedPost.value());
    line(out, "optHeadsUp", s.optHeadsUp.value());
    line(out, "optMultiWay", s.optMultiWay.value());
    line(out, "txtFlop", s.txtFlop.text());
    line(out, "sortedCard", s.sortedCard);
    line(out, "groupNo", s.groupNo);
    line(out, "adviseText", s.adviseText);
    line(out, "flopAdviseText", s.flopAdviseText);
    line(out, "bbText", s.bbText);
    const platform::Control* focus = frm.form.focus();
    line(out, "focus", focus ? std::string_view(focus->name()) : std::string_view{});
    out.push_back('\n');
}

} // namespace window
