#include "window/cards/CardsBoardModel.h"

#include <algorithm>

#include "help/CHtmlHelp.h"
#include "help/HelpContext.h"
#include "help/basHtmlHelp.h"
#include "window/cards/CardPick.h"
#include "window/model/FrmPoker.h"

namespace window::cards {

namespace {

// Whether the main window says Heads-up (true) or Multi-way (false), if either.
std::optional<bool> headsUpOf(const FrmPoker& frm)
{
    if (frm.optHeadsUp.value())
        return true;
    if (frm.optMultiWay.value())
        return false;
    return std::nullopt;
}

} // namespace

CardsBoardModel::CardsBoardModel(FrmPoker& frm)
    : frm_(frm), reading_(readCards(input_)), entry_(frm), seenHeadsUp_(headsUpOf(frm))
{
}

PotOddsReading CardsBoardModel::potOdds() const
{
    return readPotOdds(input_.pot, input_.bet, frm_.money);
}

void CardsBoardModel::setText(CardBox box, std::string text)
{
    input_.text(box) = std::move(text);
    update();
}

void CardsBoardModel::setOpponents(int opponents)
{
    input_.opponents = std::clamp(opponents, kMinOpponents, kMaxOpponents);
    update();
}

void CardsBoardModel::setPot(std::string pot)
{
    input_.pot = std::move(pot);
}

void CardsBoardModel::setBet(std::string bet)
{
    input_.bet = std::move(bet);
}

std::string CardsBoardModel::pick(engine::cards::Card card)
{
    std::string refused = pickCard(input_, reading_, card);
    if (refused.empty())
        update();
    return refused;
}

bool CardsBoardModel::followMainWindow()
{
    const auto headsUp = headsUpOf(frm_);
    if (headsUp == seenHeadsUp_)
        return false;
    seenHeadsUp_ = headsUp;
    if (!headsUp)
        return false;
    const int opponents = *headsUp ? 1 : std::max(2, input_.opponents);
    if (opponents == input_.opponents)
        return false;
    setOpponents(opponents);
    return true;
}

std::optional<engine::odds::EquityRequest> CardsBoardModel::equityRequest() const
{
    if (!reading_.hand)
        return std::nullopt;
    engine::odds::EquityRequest request;
    request.hand = *reading_.hand;
    request.board = reading_.board;
    request.opponents = input_.opponents;
    return request;
}

void CardsBoardModel::update()
{
    reading_ = readCards(input_);
    entry_.follow(reading_, input_.opponents);
}

bool sameComputation(const engine::odds::EquityRequest& a, const engine::odds::EquityRequest& b)
{
    return a.hand == b.hand && a.board == b.board && a.opponents == b.opponents;
}

void showCardsHelp(const FrmPoker& frm)
{
    help::GetHtmlHelp()->OpenContext(help::kHelpContextCardsBoard, help::DefaultHelpFile(), frm.form.hWnd());
}

} // namespace window::cards
