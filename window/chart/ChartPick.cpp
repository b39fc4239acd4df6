#include "window/chart/ChartPick.h"

#include <charconv>
#include <string>

#include "platform/form/Input.h"
#include "platform/text/Utf8.h"
#include "window/model/FrmPoker.h"

namespace window {

namespace {

// Focus the box, select all it holds and type the text over it, each key
// through the box's filter and limit.
void typeOver(platform::TextBox& box, std::string_view text)
{
    platform::input::moveFocus(box);
    box.setSelection(0, platform::utf8::length(box.text()));
    for (char c : text)
        platform::input::keyPress(box, static_cast<unsigned char>(c));
}

// A number as a player types it: digits, and a point only when it has a fraction.
std::string typedNumber(double value)
{
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed).ptr;
    return std::string(buf, end);
}

void clickOn(platform::Control& control)
{
    platform::input::moveFocus(control);
    platform::input::click(control);
}

} // namespace

void enterChartCell(FrmPoker& frm, const engine::ChartSituation& situation, std::string_view hand)
{
    // One piece of input: the window is shown, and the chart follows it,
    // once everything is entered.
    platform::InputScope scope(frm.form);
    typeOver(frm.txtBB, typedNumber(situation.bigBlind));
    typeOver(frm.txtHoleCard, hand.substr(0, 2)); // leaving the big blind formats it
    const int suited = hand.size() == 3 ? 1 : 0;
    if (frm.chkSuited.value() != suited)
        clickOn(frm.chkSuited);
    clickOn(frm.positionOption(situation.position));
    clickOn(frm.actionOption(situation.action));
    if (situation.action == engine::PreflopAction::Limped)
        typeOver(frm.txtLimpers, typedNumber(situation.limpers));
}

} // namespace window
