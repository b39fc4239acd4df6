#include "window/model/FrmPoker.h"

#include <array>
#include <string_view>

#include "engine/Bet.h"
#include "engine/Groups.h"
#include "engine/Hand.h"
#include "engine/Limpers.h"
#include "engine/Postflop.h"
#include "platform/form/Input.h"
#include "window/model/FrmBrisvaneAbout.h"
#include "window/model/Layout.h"
#include "window/model/Product.h"
#include "window/model/WebLink.h"

namespace window {

namespace {

constexpr const char* kZeroDollars = "$0.00";
constexpr const char* kEnterHoleCards = "Enter Hole Cards";
constexpr const char* kEnterBigBlind = "Enter Big Blind Amount";

constexpr std::string_view kHoleCardKeys = "AaKkQqJjTt23456789";

bool passes(int key, std::string_view allowed)
{
    if (key == platform::KeyBackspace || key == platform::KeyTab)
        return true;
    return key > 0 && key < 128 && allowed.find(static_cast<char>(key)) != std::string_view::npos;
}

bool isOneOf(std::string_view hand, std::initializer_list<std::string_view> hands)
{
    for (std::string_view h : hands)
        if (h == hand)
            return true;
    return false;
}

// Hands whose limped advice needs the number of limpers before anything else.
bool asksForLimpersOnPositionChange(std::string_view hand)
{
    return isOneOf(hand, {"AA", "KK", "QQ", "AKs", "AQs", "AJs", "AK", "AQ", "AT"});
}

bool asksForLimpersOnLimped(std::string_view hand)
{
    return isOneOf(hand, {"AA", "KK", "QQ", "AKs", "AQs", "AJs", "AK", "AQ", "AT", "99", "ATs", "KQs", "KJs", "JJ",
                          "TT", "KT"});
}

std::string upperCase(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace

FrmPoker::FrmPoker(platform::Ports p, const platform::Money& money) : state(money), ports(p)
{
    form.setCaption(kProductName);
    applyLayout();
    state.txtHoleCard.setMaxLength(2);
    state.txtBB.setMaxLength(10);
    connectHandlers();
}

void FrmPoker::applyLayout()
{
    for (const ControlLayout& l : frmPokerLayout()) {
        platform::Control* c = form.find(l.name);
        if (!c)
            continue;
        c->setGeometry(l.rect);
        c->setTabIndex(l.tabIndex);
        c->setVisible(l.visible);
        if (!l.container.empty())
            c->setContainer(form.find(l.container));
        if (auto* captioned = dynamic_cast<platform::CaptionedControl*>(c))
            captioned->setCaption(l.caption);
    }
}

void FrmPoker::connectHandlers()
{
    engine::PokerState& s = state;
    s.txtHoleCard.keyPress.connect([this](int& k) { txtHoleCard_KeyPress(k); });
    s.txtBB.keyPress.connect([this](int& k) { txtBB_KeyPress(k); });
    s.txtLimpers.keyPress.connect([this](int& k) { txtLimpers_KeyPress(k); });
    s.txtHoleCard.change.connect([this] { txtHoleCard_Change(); });
    s.txtBB.change.connect([this] { txtBB_Change(); });
    s.txtLimpers.change.connect([this] { txtLimpers_Change(); });
    s.txtBB.lostFocus.connect([this] { txtBB_LostFocus(); });
    s.chkSuited.click.connect([this] { chkSuited_Click(); });
    for (platform::OptionButton* b : {&s.optEarly, &s.optMiddle, &s.optLate, &s.optBlinds})
        b->click.connect([this] { position_Click(); });
    s.optOpened.click.connect([this] { optOpened_Click(); });
    s.optLimped.click.connect([this] { optLimped_Click(); });
    s.optRaised.click.connect([this] { optRaised_Click(); });
    s.optRaisedCalled.click.connect([this] { optRaisedCalled_Click(); });
    s.optRaiseReRaise.click.connect([this] { optRaiseReRaise_Click(); });
    s.cmbPostFlop.click.connect([this] { cmbPostFlop_Click(); });
    for (platform::OptionButton* b : {&s.optIn, &s.optOut, &s.optRaisedPost, &s.optLimpedPost, &s.optHeadsUp,
                                      &s.optMultiWay})
        b->click.connect([this] { postFlopOption_Click(); });
    cmdResetPartial.click.connect([this] { cmdResetPartial_Click(); });
    lblHyper.click.connect([this] { lblHyper_Click(); });
}

void FrmPoker::Form_Load()
{
    if (loadHooks.sizeCombo)
        loadHooks.sizeCombo(*this);
    state.cmbPostFlop.addItem({});
    for (std::string_view category : engine::kPostFlopCategories)
        state.cmbPostFlop.addItem(std::string(category));
    try {
        if (loadHooks.initFormHelp)
            loadHooks.initFormHelp(*this);
    } catch (const platform::PlatformError& e) {
        if (loadHooks.reportLoadError)
            loadHooks.reportLoadError(*this, e);
    }
    form.setFocus(state.txtBB);
}

// Key filters: a key that does not pass is set to 0 and goes no further.

void FrmPoker::txtHoleCard_KeyPress(int& keyAscii)
{
    if (!passes(keyAscii, kHoleCardKeys))
        keyAscii = 0;
}

void FrmPoker::txtBB_KeyPress(int& keyAscii)
{
    if (!passes(keyAscii, "0123456789."))
        keyAscii = 0;
}

void FrmPoker::txtLimpers_KeyPress(int& keyAscii)
{
    if (!passes(keyAscii, "0123456789"))
        keyAscii = 0;
}

void FrmPoker::showLimperPrompt()
{
    state.txtPreFlop.setText(engine::kEnterAmountOfLimpers);
    state.lblBetAmount.setCaption(kZeroDollars);
}

bool FrmPoker::runSelectedAction(LimperCheck check)
{
    engine::PokerState& s = state;
    if (s.optOpened.value()) {
        engine::getBetAmtOpen(s);
        return true;
    }
    if (s.optLimped.value()) {
        const bool noCount = s.txtLimpers.text().empty();
        if (noCount && check == LimperCheck::AnyHand) {
            showLimperPrompt();
            return true;
        }
        if (noCount && check == LimperCheck::PromptHands
            && asksForLimpersOnPositionChange(s.lblCardValue.caption())) {
            showLimperPrompt();
            return true;
        }
        engine::getBetAmtLimped(s);
        return true;
    }
    if (s.optRaised.value()) {
        engine::getBetAmtRaise(s);
        return true;
    }
    if (s.optRaisedCalled.value()) {
        engine::getBetAmtRaiseCall(s);
        return true;
    }
    if (s.optRaiseReRaise.value()) {
        engine::getBetAmtRaiseReRaise(s);
        return true;
    }
    return false;
}

void FrmPoker::txtHoleCard_Change()
{
    engine::PokerState& s = state;
    if (!s.txtHoleCard.text().empty() && !s.txtBB.text().empty() && runSelectedAction(LimperCheck::AnyHand))
        return;
    if (s.txtHoleCard.text().empty()) {
        s.txtPreFlop.setText(kEnterHoleCards);
        s.lblBetAmount.setCaption(kZeroDollars);
    }
}

void FrmPoker::txtBB_Change()
{
    engine::PokerState& s = state;
    if (!s.txtHoleCard.text().empty() && !s.txtBB.text().empty() && runSelectedAction(LimperCheck::None))
        return;
    if (s.txtBB.text().empty()) {
        s.txtPreFlop.setText(kEnterBigBlind);
        s.lblBetAmount.setCaption(kZeroDollars);
    }
}

void FrmPoker::chkSuited_Click()
{
    if (!state.txtHoleCard.text().empty())
        runSelectedAction(LimperCheck::AnyHand);
}

void FrmPoker::position_Click()
{
    if (!state.txtHoleCard.text().empty() && !state.txtBB.text().empty())
        runSelectedAction(LimperCheck::PromptHands);
}

void FrmPoker::txtLimpers_Change()
{
    if (!state.txtLimpers.text().empty())
        engine::getBetAmtLimped(state);
    else
        showLimperPrompt();
}

void FrmPoker::txtBB_LostFocus()
{
    engine::PokerState& s = state;
    const auto value = s.money.toDouble(s.txtBB.text());
    if (value)
        s.txtBB.setText(s.money.amountText(*value));
    else
        s.txtBB.setText({});
}

void FrmPoker::optOpened_Click()
{
    if (!state.optLimped.value())
        state.txtLimpers.setText({});
    engine::getBetAmtOpen(state);
}

void FrmPoker::optRaised_Click()
{
    if (!state.optLimped.value())
        state.txtLimpers.setText({});
    engine::getBetAmtRaise(state);
}

void FrmPoker::optRaisedCalled_Click()
{
    if (!state.optLimped.value())
        state.txtLimpers.setText({});
    engine::getBetAmtRaiseCall(state);
}

void FrmPoker::optRaiseReRaise_Click()
{
    if (!state.optLimped.value())
        state.txtLimpers.setText({});
    engine::getBetAmtRaiseReRaise(state);
}

void FrmPoker::optLimped_Click()
{
    engine::PokerState& s = state;
    s.txtHoleCard.setText(upperCase(s.txtHoleCard.text()));
    s.txtPreFlop.setText(engine::kEnterAmountOfLimpers);
    s.lblBetAmount.setCaption(kZeroDollars);
    s.lblGroup.setCaption(s.groupNo);
    engine::sortCard(s);
    engine::addCheck(s);
    engine::findGroupNo(s);
    if (asksForLimpersOnLimped(s.lblCardValue.caption())) {
        s.txtHoleCard.setText(upperCase(s.txtHoleCard.text()));
        s.txtPreFlop.setText(engine::kEnterAmountOfLimpers);
        s.lblBetAmount.setCaption({});
        s.lblGroup.setCaption(s.groupNo);
        form.setFocus(s.txtLimpers);
    } else {
        engine::getBetAmtLimped(s);
    }
    s.lblGroup.setCaption(s.groupNo);
}

void FrmPoker::cmbPostFlop_Click()
{
    engine::PokerState& s = state;
    const bool anyOption = s.optIn.value() || s.optOut.value() || s.optHeadsUp.value() || s.optMultiWay.value()
        || s.optLimpedPost.value() || s.optRaisedPost.value();
    if (!anyOption)
        s.flopAdviseText.assign(engine::kEnterCorrectOptions);
    else
        engine::getFlopAdvise(s);
    s.txtFlop.setText(s.flopAdviseText);
}

void FrmPoker::postFlopOption_Click()
{
    engine::getFlopAdvise(state);
}

void FrmPoker::cmdResetPartial_Click()
{
    engine::PokerState& s = state;
    s.txtHoleCard.setText({});
    s.chkSuited.setValue(0);
    for (platform::OptionButton* b : {&s.optBlinds, &s.optEarly, &s.optMiddle, &s.optLate, &s.optOpened,
                                      &s.optLimped, &s.optRaised, &s.optRaisedCalled, &s.optRaiseReRaise,
                                      &s.optRaisedPost, &s.optLimpedPost, &s.optIn, &s.optOut, &s.optHeadsUp,
                                      &s.optMultiWay})
        b->setValue(false);
    s.txtLimpers.setText({});
    s.lblGroup.setCaption({});
    s.lblBetAmount.setCaption({});
    s.cmbPostFlop.setListIndex(0);
    s.txtFlop.setText({});
    s.txtPreFlop.setText({});
    form.setFocus(s.txtHoleCard);
}

void FrmPoker::lblHyper_Click()
{
    openLink(ports, kSiteAddress);
}

void FrmPoker::mnuExit_Click()
{
    if (menuHooks.endProgram)
        menuHooks.endProgram();
}

void FrmPoker::mnuContents_Click()
{
    if (menuHooks.openContents)
        menuHooks.openContents(*this);
}

void FrmPoker::mnuAbout_Click()
{
    FrmBrisvaneAbout about(ports);
    about.Form_Load();
    if (menuHooks.showModal)
        menuHooks.showModal(about);
}

} // namespace window
