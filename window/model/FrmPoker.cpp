#include "window/model/FrmPoker.h"

#include <array>
#include <string_view>
#include <utility>

#include "engine/AdviceText.h"
#include "engine/Groups.h"
#include "engine/LimperPrompts.h"
#include "engine/Postflop.h"
#include "engine/Preflop.h"
#include "window/model/PreflopBoxes.h"
#include "platform/form/Input.h"
#include "platform/text/StoreText.h"
#include "platform/text/Utf8.h"
#include "window/model/FrmBrisvaneAbout.h"
#include "window/model/Layout.h"
#include "window/model/Product.h"
#include "window/model/WebLink.h"

namespace window {

namespace {

using engine::PreflopAction;

constexpr std::string_view kHoleCardKeys = "AaKkQqJjTt23456789";

bool passes(int key, std::string_view allowed)
{
    if (key == platform::KeyBackspace || key == platform::KeyTab)
        return true;
    return key > 0 && key < 128 && allowed.find(static_cast<char>(key)) != std::string_view::npos;
}

} // namespace

FrmPoker::FrmPoker(platform::Ports p, const platform::Money& m) : money(m), ports(p)
{
    form.setCaption(kProductName);
    lblCardSort.setVisible(false);
    lblCardValue.setVisible(false);
    txtPreFlop.setMultiLine(true);
    txtFlop.setMultiLine(true);
    applyLayout(form, frmPokerLayout());
    txtHoleCard.setMaxLength(2);
    txtBB.setMaxLength(10);
    connectHandlers();
}

platform::OptionButton& FrmPoker::actionOption(PreflopAction a)
{
    return *actionOptions_[static_cast<std::size_t>(a)];
}

platform::OptionButton& FrmPoker::positionOption(engine::Position p)
{
    return *positionOptions_[static_cast<std::size_t>(p)];
}

std::optional<PreflopAction> FrmPoker::selectedAction() const
{
    for (PreflopAction a : engine::kPreflopActions)
        if (actionOptions_[static_cast<std::size_t>(a)]->value())
            return a;
    return std::nullopt;
}

std::optional<engine::Position> FrmPoker::selectedPosition() const
{
    for (engine::Position p : engine::kPositions)
        if (positionOptions_[static_cast<std::size_t>(p)]->value())
            return p;
    return std::nullopt;
}

void FrmPoker::connectHandlers()
{
    txtHoleCard.keyPress.connect([this](int& k) { txtHoleCard_KeyPress(k); });
    txtBB.keyPress.connect([this](int& k) { txtBB_KeyPress(k); });
    txtBB.pasteCheck = [this](std::u32string_view pasted) { return txtBB_PasteCheck(pasted); };
    txtLimpers.keyPress.connect([this](int& k) { txtLimpers_KeyPress(k); });
    txtHoleCard.change.connect([this] { txtHoleCard_Change(); });
    txtBB.change.connect([this] { txtBB_Change(); });
    txtLimpers.change.connect([this] { txtLimpers_Change(); });
    txtBB.lostFocus.connect([this] { txtBB_LostFocus(); });
    chkSuited.click.connect([this] { chkSuited_Click(); });
    for (engine::Position p : engine::kPositions)
        positionOption(p).click.connect([this] { position_Click(); });
    for (PreflopAction a : engine::kPreflopActions) {
        if (a == PreflopAction::Limped)
            optLimped.click.connect([this] { optLimped_Click(); });
        else
            actionOption(a).click.connect([this, a] { otherAction_Click(a); });
    }
    cmbPostFlop.click.connect([this] { cmbPostFlop_Click(); });
    for (platform::OptionButton* b : {&optIn, &optOut, &optRaisedPost, &optLimpedPost, &optHeadsUp, &optMultiWay})
        b->click.connect([this] { postFlopOption_Click(); });
    cmdResetPartial.click.connect([this] { cmdResetPartial_Click(); });
    lblHyper.click.connect([this] { lblHyper_Click(); });
}

void FrmPoker::Form_Load()
{
    if (loadHooks.sizeCombo)
        loadHooks.sizeCombo(*this);
    cmbPostFlop.addItem({});
    for (std::string_view category : engine::kPostFlopCategories)
        cmbPostFlop.addItem(std::string(category));
    try {
        if (loadHooks.initFormHelp)
            loadHooks.initFormHelp(*this);
    } catch (const platform::PlatformError& e) {
        if (loadHooks.reportLoadError)
            loadHooks.reportLoadError(*this, e);
    }
    form.setFocus(txtBB);
}

// Key filters: a key that does not pass is set to 0 and goes no further.

void FrmPoker::txtHoleCard_KeyPress(int& keyAscii)
{
    if (!passes(keyAscii, kHoleCardKeys))
        keyAscii = 0;
}

void FrmPoker::txtBB_KeyPress(int& keyAscii)
{
    // Editing keys always pass; what goes in follows the amounts' rule.
    if (!passes(keyAscii, {}) && !amount_.takes(txtBB.text(), txtBB.selStart(), txtBB.selLength(), keyAscii))
        keyAscii = 0;
}

bool FrmPoker::txtBB_PasteCheck(std::u32string_view pasted) const
{
    // The text the paste would leave, each character taken as a typed key is.
    std::string text = txtBB.text();
    std::size_t caret = txtBB.selStart();
    std::size_t selected = txtBB.selLength();
    for (char32_t c : pasted) {
        if (platform::utf8::isControl(c) || !amount_.takes(text, caret, selected, static_cast<int>(c)))
            continue;
        if (platform::utf8::length(text) - selected + 1 > txtBB.maxLength())
            continue;
        std::string typed;
        platform::utf8::append(typed, c);
        const std::size_t from = platform::utf8::offsetOf(text, caret);
        text.replace(from, platform::utf8::offsetOf(text, caret + selected) - from, typed);
        ++caret;
        selected = 0;
    }
    return text.empty() || amount_.read(text).has_value();
}

void FrmPoker::txtLimpers_KeyPress(int& keyAscii)
{
    if (!passes(keyAscii, "0123456789"))
        keyAscii = 0;
}

void FrmPoker::applyHand(const engine::HandReading& hand)
{
    txtHoleCard.setText(hand.holeCards);
    platform::storeText(sortedCard, hand.sortedHand.view());
    if (hand.isPair)
        chkSuited.setValue(0);
    lblCardSort.setCaption(sortedCard);
    lblCardValue.setCaption(hand.handText.view());
}

void FrmPoker::showBet(const engine::Bet& bet)
{
    if (bet.kind == engine::Bet::Kind::Unchanged)
        return;
    // Most recomputations show the bet the last one showed.
    if (!(bet == lastBet_)) {
        lastBetText_.clear();
        engine::appendBetText(lastBetText_, bet, money);
        lastBet_ = bet;
    }
    lblBetAmount.setCaption(lastBetText_);
}

void FrmPoker::showText(platform::TextBox& box, const engine::AdviceText& text)
{
    text.assignTo(shownText_);
    box.setText(shownText_);
}

void FrmPoker::recompute(PreflopAction action)
{
    PreflopBoxes s;
    s.action = action;
    s.holeCards = txtHoleCard.text();
    s.suited = chkSuited.value() == 1;
    s.position = selectedPosition();
    s.limpers = txtLimpers.text();
    s.bigBlind = txtBB.text();
    s.lastHand = sortedCard;
    const PreflopRecommendation r = advisePreflop(s, money);
    platform::storeText(bbText, r.bigBlindText);
    // The nested handlers the hand's writes run recompute the same inputs, so
    // the recommendation still holds when they return.
    applyHand(r.hand);
    platform::storeText(groupNo, engine::groupText(r.group));
    if (r.advice != adviseTextSource_) {
        r.advice->assignTo(adviseText);
        adviseTextSource_ = r.advice;
    }
    showBet(r.bet);
    lblGroup.setCaption(groupNo);
    txtPreFlop.setText(adviseText);
}

void FrmPoker::showLimperPrompt()
{
    showText(txtPreFlop, engine::kEnterAmountOfLimpers);
    showBet(engine::Bet::zeroPrompt());
}

bool FrmPoker::runSelectedAction(LimperCheck check)
{
    const std::optional<PreflopAction> action = selectedAction();
    if (!action)
        return false;
    if (*action == PreflopAction::Limped && txtLimpers.text().empty()) {
        const bool prompt = check == LimperCheck::AnyHand
            || (check == LimperCheck::PromptHands
                && engine::asksForLimpers(engine::LimperPrompt::OnPositionChange, lblCardValue.caption()));
        if (prompt) {
            showLimperPrompt();
            return true;
        }
    }
    recompute(*action);
    return true;
}

void FrmPoker::recomputeOrPrompt(LimperCheck check, const platform::TextBox& changed, const engine::AdviceText& prompt)
{
    if (!txtHoleCard.text().empty() && !txtBB.text().empty() && runSelectedAction(check))
        return;
    if (changed.text().empty()) {
        showText(txtPreFlop, prompt);
        showBet(engine::Bet::zeroPrompt());
    }
}

void FrmPoker::txtHoleCard_Change()
{
    recomputeOrPrompt(LimperCheck::AnyHand, txtHoleCard, engine::kEnterHoleCards);
}

void FrmPoker::txtBB_Change()
{
    recomputeOrPrompt(LimperCheck::None, txtBB, engine::kEnterBigBlind);
}

void FrmPoker::chkSuited_Click()
{
    if (!txtHoleCard.text().empty())
        runSelectedAction(LimperCheck::AnyHand);
}

void FrmPoker::position_Click()
{
    if (!txtHoleCard.text().empty() && !txtBB.text().empty())
        runSelectedAction(LimperCheck::PromptHands);
}

void FrmPoker::txtLimpers_Change()
{
    if (!txtLimpers.text().empty())
        recompute(PreflopAction::Limped);
    else
        showLimperPrompt();
}

void FrmPoker::txtBB_LostFocus()
{
    const auto value = amount_.read(txtBB.text());
    if (value)
        txtBB.setText(money.amountText(*value));
    else
        txtBB.setText({});
}

void FrmPoker::otherAction_Click(PreflopAction action)
{
    if (!optLimped.value())
        txtLimpers.setText({});
    recompute(action);
}

void FrmPoker::optLimped_Click()
{
    txtHoleCard.setText(engine::upperCase(txtHoleCard.text()));
    showText(txtPreFlop, engine::kEnterAmountOfLimpers);
    showBet(engine::Bet::zeroPrompt());
    lblGroup.setCaption(groupNo);
    applyHand(engine::readHand(txtHoleCard.text(), chkSuited.value() == 1, sortedCard));
    platform::storeText(groupNo, engine::groupText(engine::groupOf(lblCardValue.caption())));
    if (engine::asksForLimpers(engine::LimperPrompt::OnChoosingLimped, lblCardValue.caption())) {
        showText(txtPreFlop, engine::kEnterAmountOfLimpers);
        lblBetAmount.setCaption({});
        lblGroup.setCaption(groupNo);
        form.setFocus(txtLimpers);
    } else {
        recompute(PreflopAction::Limped);
    }
    lblGroup.setCaption(groupNo);
}

void FrmPoker::showPostflopAdvice()
{
    // A text that is no category leaves the advice shown; the empty item
    // clears it.
    engine::PostflopSituation s;
    const std::string& text = cmbPostFlop.text();
    s.category = engine::categoryFromText(text);
    if (!s.category && !text.empty()) {
        txtFlop.setText(flopAdviseText);
        return;
    }
    if (optIn.value())
        s.side = engine::PostflopSide::In;
    else if (optOut.value())
        s.side = engine::PostflopSide::Out;
    if (optRaisedPost.value())
        s.pot = engine::PostflopPot::Raised;
    else if (optLimpedPost.value())
        s.pot = engine::PostflopPot::Limped;
    if (optHeadsUp.value())
        s.players = engine::PostflopPlayers::HeadsUp;
    else if (optMultiWay.value())
        s.players = engine::PostflopPlayers::MultiWay;
    engine::advisePostflop(s).advice->assignTo(flopAdviseText);
    txtFlop.setText(flopAdviseText);
}

void FrmPoker::cmbPostFlop_Click()
{
    const bool anyOption =
        optIn.value() || optOut.value() || optHeadsUp.value() || optMultiWay.value() || optLimpedPost.value()
        || optRaisedPost.value();
    if (!anyOption)
        engine::kEnterCorrectOptions.assignTo(flopAdviseText);
    else
        showPostflopAdvice();
    txtFlop.setText(flopAdviseText);
}

void FrmPoker::postFlopOption_Click()
{
    showPostflopAdvice();
}

void FrmPoker::cmdResetPartial_Click()
{
    txtHoleCard.setText({});
    chkSuited.setValue(0);
    for (platform::OptionButton* b : {&optBlinds, &optEarly, &optMiddle, &optLate, &optOpened, &optLimped, &optRaised,
                                      &optRaisedCalled, &optRaiseReRaise, &optRaisedPost, &optLimpedPost, &optIn,
                                      &optOut, &optHeadsUp, &optMultiWay})
        b->setValue(false);
    txtLimpers.setText({});
    lblGroup.setCaption({});
    lblBetAmount.setCaption({});
    cmbPostFlop.setListIndex(0);
    txtFlop.setText({});
    txtPreFlop.setText({});
    form.setFocus(txtHoleCard);
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
