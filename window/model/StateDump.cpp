#include "window/model/StateDump.h"

#include <charconv>

#include "window/model/FrmPoker.h"

namespace window {

void appendEscaped(std::string& out, std::string_view text)
{
    for (char c : text) {
        switch (c) {
        case '\\': out.append("\\\\"); break;
        case '\r': out.append("\\r"); break;
        case '\n': out.append("\\n"); break;
        case '\t': out.append("\\t"); break;
        default: out.push_back(c); break;
        }
    }
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
