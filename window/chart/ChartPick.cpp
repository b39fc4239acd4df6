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
    for (char32_t c : platform::utf8::codePoints(text))
        platform::input::keyPress(box, static_cast<int>(c));
}

// A number as a player types it: digits, and a point only when it has a
// fraction. The point is the money format's own, never its grouping
// character: "1.234" would be a thousand and more in de_DE.
std::string typedNumber(double value, const platform::Money& money)
{
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed).ptr;
    std::string text(buf, end);
    if (const std::size_t at = text.find('.'); at != std::string::npos)
        text.replace(at, 1, money.locale().decimalPoint);
    return text;
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
    typeOver(frm.txtBB, typedNumber(situation.bigBlind, frm.money));
    typeOver(frm.txtHoleCard, hand.substr(0, 2)); // leaving the big blind formats it
    const int suited = hand.size() == 3 ? 1 : 0;
    if (frm.chkSuited.value() != suited)
        clickOn(frm.chkSuited);
    clickOn(frm.positionOption(situation.position));
    clickOn(frm.actionOption(situation.action));
    if (situation.action == engine::PreflopAction::Limped)
        typeOver(frm.txtLimpers, typedNumber(situation.limpers, frm.money));
}

} // namespace window
