#pragma once
// The advisor's main window as a model: its controls, the values it keeps for
// its whole life, the handlers that recompute the advice on every input
// change, start-up and Reset. It adapts the engine to the controls: each
// handler reads the controls into a situation, asks the engine, and writes
// the recommendation back. Views mirror it and send it input; nothing here
// draws.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "engine/AdviceText.h"
#include "engine/Bet.h"
#include "engine/Hand.h"
#include "engine/Situation.h"
#include "platform/PlatformError.h"
#include "platform/form/Form.h"
#include "platform/form/StaticControls.h"
#include "platform/form/TextControl.h"
#include "platform/form/ToggleControls.h"
#include "platform/money/Money.h"
#include "platform/money/TypedAmount.h"
#include "platform/ports/Ports.h"

namespace window {

class FrmBrisvaneAbout;

class FrmPoker {
public:
    explicit FrmPoker(platform::Ports ports = {}, const platform::Money& money = platform::Money::process());
    FrmPoker(const FrmPoker&) = delete;
    FrmPoker& operator=(const FrmPoker&) = delete;

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

    // The rest of the window.
    platform::CommandButton cmdResetPartial{form, "cmdResetPartial"};
    platform::CommandButton cmdHelp{form, "cmdHelp"};
    platform::Frame UltiFrame1{form, "UltiFrame1"};
    platform::Frame Frame1{form, "Frame1"};
    platform::Frame Frame2{form, "Frame2"};
    platform::Frame frmPot{form, "frmPot"};
    platform::Frame frmPlayers{form, "frmPlayers"};
    platform::Frame frmPostPosition{form, "frmPostPosition"};
    platform::Label lblHyper{form, "lblHyper"};
    platform::Label lblLimpers{form, "lblLimpers"};
    platform::Label Label1{form, "Label1"};
    platform::Label Label3{form, "Label3"};
    platform::Label lblSuited{form, "lblSuited"};
    platform::Label lblHoleCards{form, "lblHoleCards"};
    platform::Label lblBB{form, "lblBB"};
    platform::Image Image1{form, "Image1"};

    // Values the window keeps for its whole life.
    std::string sortedCard;     // last recognised canonical hand
    std::string groupNo;        // "1" to "8" or "Not Ranked"
    std::string adviseText;     // current pre-flop advice
    std::string flopAdviseText; // current post-flop advice
    std::string bbText;         // big blind of the last bet computation

    platform::Ports ports;

    // The pre-flop action and position the options show, if any.
    std::optional<engine::PreflopAction> selectedAction() const;
    std::optional<engine::Position> selectedPosition() const;
    platform::OptionButton& actionOption(engine::PreflopAction a);
    platform::OptionButton& positionOption(engine::Position p);

    // Start-up: what a view or the help wiring adds to Form_Load. sizeCombo
    // sizes the post-flop list; initFormHelp binds the help handler and may
    // throw; reportLoadError shows such a failure.
    struct LoadHooks {
        std::function<void(FrmPoker&)> sizeCombo;
        std::function<void(FrmPoker&)> initFormHelp;
        std::function<void(FrmPoker&, const platform::PlatformError&)> reportLoadError;
    };
    LoadHooks loadHooks;

    // Runs once, before the window is first shown; the focus goes to txtBB.
    void Form_Load();

    // The menus. What ends the program, what the help file opens in and what
    // shows a window modally belong to whoever shows this window.
    struct MenuHooks {
        // Ends the process at once: no close notification runs.
        std::function<void()> endProgram;
        std::function<void(FrmPoker&)> openContents;
        // Shows the About window and returns once it has unloaded.
        std::function<void(FrmBrisvaneAbout&)> showModal;
    };
    MenuHooks menuHooks;

    void mnuExit_Click();
    void mnuContents_Click();
    // Loads a fresh About window (so its Form_Load runs at every showing) and
    // shows it modally.
    void mnuAbout_Click();

private:
    void connectHandlers();

    // Handlers.
    void txtHoleCard_KeyPress(int& keyAscii);
    void txtBB_KeyPress(int& keyAscii);
    void txtLimpers_KeyPress(int& keyAscii);
    // A paste into the big blind whose result the numeric test would refuse
    // is refused whole, so that the box keeps the amount it held.
    bool txtBB_PasteCheck(std::u32string_view pasted) const;
    void txtHoleCard_Change();
    void txtBB_Change();
    void txtLimpers_Change();
    void txtBB_LostFocus();
    void chkSuited_Click();
    void position_Click();
    void optLimped_Click();
    // Opened, Raise, Raise and Call, Raise and Re-Raise.
    void otherAction_Click(engine::PreflopAction action);
    void cmbPostFlop_Click();
    void postFlopOption_Click();
    void cmdResetPartial_Click();
    void lblHyper_Click();

    // The decision chain the input handlers share: recomputes the selected
    // action and returns true, or returns false when no action is selected.
    // In a limped pot with no count it shows the limper prompt instead:
    // always (AnyHand), or for the hands that ask for it on a position change.
    enum class LimperCheck { None, AnyHand, PromptHands };
    bool runSelectedAction(LimperCheck check);
    // The hole cards' and the big blind's change: with both filled in, the
    // selected action's recomputation; the changed box empty, its prompt.
    void recomputeOrPrompt(LimperCheck check, const platform::TextBox& changed, const engine::AdviceText& prompt);
    void showLimperPrompt();

    // The whole pre-flop recomputation of one action, written back to the
    // controls.
    void recompute(engine::PreflopAction action);
    // Rewrites the hole cards in capitals and unticks Suited for a pair (each
    // write runs its control's handler, nested), then shows the hand.
    void applyHand(const engine::HandReading& hand);
    void showBet(const engine::Bet& bet);
    void showText(platform::TextBox& box, const engine::AdviceText& text);
    void showPostflopAdvice();

    // In the order of engine::kPreflopActions and engine::kPositions.
    const std::array<platform::OptionButton*, 5> actionOptions_{&optOpened, &optLimped, &optRaised,
                                                                &optRaisedCalled, &optRaiseReRaise};
    const std::array<platform::OptionButton*, 4> positionOptions_{&optEarly, &optMiddle, &optLate, &optBlinds};
    std::string shownText_; // a text on its way into a control, kept to reuse its memory
    platform::TypedAmount amount_{money}; // what the big-blind box takes and reads
    const engine::AdviceText* adviseTextSource_ = nullptr; // what adviseText was last written from
    engine::Bet lastBet_;      // the bet last written, in the money format:
    std::string lastBetText_;  // Unchanged, which is never written, stands for none
};

} // namespace window
