#pragma once
// The window state the engine works on: the main window's controls that hold
// inputs and results, and the values the window keeps for its whole life.
// Engine routines take it by reference and read and write it by name.

#include <string>

#include "platform/form/Form.h"
#include "platform/form/StaticControls.h"
#include "platform/form/TextControl.h"
#include "platform/form/ToggleControls.h"
#include "platform/money/Money.h"

namespace engine {

struct PokerState {
    explicit PokerState(const platform::Money& money = platform::Money::process());
    PokerState(const PokerState&) = delete;
    PokerState& operator=(const PokerState&) = delete;

    const platform::Money& money;
    platform::Form form{"frmPoker"};

    // Option groups: the option buttons of one container.
    platform::OptionGroup actionGroup;       // the "Pre-Flop" frame
    platform::OptionGroup positionGroup;     // "Position"
    platform::OptionGroup potGroup;          // post-flop "Pot"
    platform::OptionGroup playersGroup;      // post-flop "Players"
    platform::OptionGroup postPositionGroup; // post-flop "Position"

    // Inputs.
    platform::TextBox txtBB{form, "txtBB"};
    platform::TextBox txtHoleCard{form, "txtHoleCard"};
    platform::CheckBox chkSuited{form, "chkSuited"};
    platform::OptionButton optEarly{form, "optEarly", positionGroup};
    platform::OptionButton optMiddle{form, "optMiddle", positionGroup};
    platform::OptionButton optLate{form, "optLate", positionGroup};
    platform::OptionButton optBlinds{form, "optBlinds", positionGroup};
    platform::OptionButton optOpened{form, "optOpened", actionGroup};
    platform::OptionButton optLimped{form, "optLimped", actionGroup};
    platform::OptionButton optRaised{form, "optRaised", actionGroup};
    platform::OptionButton optRaisedCalled{form, "optRaisedCalled", actionGroup};
    platform::OptionButton optRaiseReRaise{form, "optRaiseReRaise", actionGroup};
    platform::TextBox txtLimpers{form, "txtLimpers"};
    platform::ComboBox cmbPostFlop{form, "cmbPostFlop"};
    platform::OptionButton optIn{form, "optIn", postPositionGroup};
    platform::OptionButton optOut{form, "optOut", postPositionGroup};
    platform::OptionButton optRaisedPost{form, "optRaisedPost", potGroup};
    platform::OptionButton optLimpedPost{form, "optLimpedPost", potGroup};
    platform::OptionButton optHeadsUp{form, "optHeadsUp", playersGroup};
    platform::OptionButton optMultiWay{form, "optMultiWay", playersGroup};

    // Results; the two hand labels are hidden.
    platform::Label lblCardSort{form, "lblCardSort"};
    platform::Label lblCardValue{form, "lblCardValue"};
    platform::Label lblGroup{form, "lblGroup"};
    platform::Label lblBetAmount{form, "lblBetAmount"};
    platform::TextBox txtPreFlop{form, "txtPreFlop"};
    platform::TextBox txtFlop{form, "txtFlop"};

    // Window-level values.
    std::string sortedCard;     // last recognised canonical hand
    std::string groupNo;        // "1" to "8" or "Not Ranked"
    std::string adviseText;     // current pre-flop advice
    std::string flopAdviseText; // current post-flop advice
    std::string bbText;         // big blind of the last bet computation
    double betAmtLow = 0;
    double betAmtHigh = 0;

    // Working space of the bet routines, kept to reuse its memory.
    std::string scratch;
};

} // namespace engine
