#include "window/cards/MainWindowEntry.h"

#include <algorithm>

#include "platform/form/Input.h"
#include "window/model/FrmPoker.h"

namespace window::cards {

namespace input = platform::input;

void MainWindowEntry::follow(const CardsReading& reading, int opponents)
{
    // A hand typed again after an unfinished edit is entered again: the main
    // window may have been given another hand meanwhile.
    if (reading.hand != hand_) {
        hand_ = reading.hand;
        noneFitsEntered_ = false; // a new hand's "none fits" clears what was chosen for the last one
        if (hand_)
            enterHand(*hand_);
    }
    // An unfinished board changes nothing there; the board typed again is
    // entered again.
    if (!reading.boardReading) {
        postflop_.reset();
        noneFitsEntered_ = false;
        return;
    }
    const std::optional<engine::PostflopCategory>& category = reading.boardReading->category;
    if (!category) {
        postflop_.reset();
        if (!noneFitsEntered_)
            chooseListItem({});
        noneFitsEntered_ = true;
        return;
    }
    noneFitsEntered_ = false;
    const PostflopChoice choice{*category, opponents == 1};
    if (choice != postflop_) {
        postflop_ = choice;
        enterPostflop(choice);
    }
}

// As the strategy chart's pick does it: select what the hole-card box holds,
// type the two ranks over it, then tick or untick Suited.
void MainWindowEntry::enterHand(const engine::cards::HoleCards& hand)
{
    FrmPoker& s = frm_;
    platform::InputScope scope(s.form);
    input::moveFocus(s.txtHoleCard);
    s.txtHoleCard.setSelection(0, s.txtHoleCard.text().size());
    input::keyPress(s.txtHoleCard, engine::cards::rankChar(hand.high.rank()));
    input::keyPress(s.txtHoleCard, engine::cards::rankChar(hand.low.rank()));
    const int suited = hand.high.suit() == hand.low.suit() ? 1 : 0;
    if (s.chkSuited.value() != suited) {
        input::moveFocus(s.chkSuited);
        input::click(s.chkSuited);
    }
}

void MainWindowEntry::enterPostflop(const PostflopChoice& choice)
{
    FrmPoker& s = frm_;
    if (!chooseListItem(engine::categoryText(choice.category)))
        return;
    platform::InputScope scope(s.form);
    platform::OptionButton& players = choice.headsUp ? s.optHeadsUp : s.optMultiWay;
    if (!players.value()) {
        input::moveFocus(players);
        input::click(players);
    }
}

bool MainWindowEntry::chooseListItem(std::string_view text)
{
    FrmPoker& s = frm_;
    const auto& items = s.cmbPostFlop.items();
    const auto item = std::find(items.begin(), items.end(), text);
    if (item == items.end())
        return false;
    platform::InputScope scope(s.form);
    const int index = static_cast<int>(item - items.begin());
    if (s.cmbPostFlop.listIndex() != index) {
        input::moveFocus(s.cmbPostFlop);
        input::chooseItem(s.cmbPostFlop, index);
    }
    return true;
}

} // namespace window::cards
