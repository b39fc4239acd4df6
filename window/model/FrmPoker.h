#pragma once
// The advisor's main window as a model: its controls (the engine's window
// state plus the rest of the window), the handlers that recompute the advice
// on every input change, start-up and Reset. Views mirror it and send it
// input; nothing here draws.

#include <functional>
#include <string>

#include "engine/PokerState.h"
#include "platform/PlatformError.h"
#include "platform/form/StaticControls.h"
#include "platform/ports/Ports.h"

namespace window {

class FrmBrisvaneAbout;

class FrmPoker {
public:
    explicit FrmPoker(platform::Ports ports = {}, const platform::Money& money = platform::Money::process());
    FrmPoker(const FrmPoker&) = delete;
    FrmPoker& operator=(const FrmPoker&) = delete;

    engine::PokerState state;
    platform::Form& form = state.form;

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

    platform::Ports ports;

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
    void applyLayout();
    void connectHandlers();

    // Handlers.
    void txtHoleCard_KeyPress(int& keyAscii);
    void txtBB_KeyPress(int& keyAscii);
    void txtLimpers_KeyPress(int& keyAscii);
    void txtHoleCard_Change();
    void txtBB_Change();
    void txtLimpers_Change();
    void txtBB_LostFocus();
    void chkSuited_Click();
    void position_Click();
    void optOpened_Click();
    void optLimped_Click();
    void optRaised_Click();
    void optRaisedCalled_Click();
    void optRaiseReRaise_Click();
    void cmbPostFlop_Click();
    void postFlopOption_Click();
    void cmdResetPartial_Click();
    void lblHyper_Click();

    // The decision chain the input handlers share: runs the bet routine of the
    // selected action and returns true, or returns false when no action is
    // selected.
    enum class LimperCheck { None, AnyHand, PromptHands };
    bool runSelectedAction(LimperCheck check);
    void showLimperPrompt();
};

} // namespace window
