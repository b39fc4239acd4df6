#include "window/cards/CardsBoardModel.h"

#include <algorithm>

#include "engine/LimperCount.h"
#include "engine/cards/RangeText.h"
#include "help/CHtmlHelp.h"
#include "platform/money/TypedAmount.h"
#include "help/HelpContext.h"
#include "help/basHtmlHelp.h"
#include "window/cards/CardPick.h"
#include "window/model/FrmPoker.h"

namespace window::cards {

namespace {

std::string trimmed(std::string_view text)
{
    constexpr std::string_view kSpace = " \t\r\n";
    const auto first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(kSpace) - first + 1));
}

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

void CardsBoardModel::setOpponentRange(int opponent, std::string text)
{
    const auto i = static_cast<std::size_t>(std::clamp(opponent, 0, kMaxOpponents - 1));
    opponentReadings_[i] = readOpponentRange(text);
    input_.ranges[i] = std::move(text);
}

const OpponentReading& CardsBoardModel::opponentReading(int opponent) const
{
    return opponentReadings_[static_cast<std::size_t>(std::clamp(opponent, 0, kMaxOpponents - 1))];
}

std::string CardsBoardModel::pick(engine::cards::Card card)
{
    std::string refused = pickCard(input_, reading_, card, deadCardsInUse_);
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

engine::ChartSituation CardsBoardModel::chartSituation() const
{
    engine::ChartSituation s;
    if (const auto action = frm_.selectedAction())
        s.action = *action;
    if (const auto position = frm_.selectedPosition())
        s.position = *position;
    s.limpers = engine::limperCount(frm_.txtLimpers.text(), frm_.money).value_or(1.0);
    if (const auto bb = platform::TypedAmount(frm_.money).read(frm_.txtBB.text()); bb && *bb > 0)
        s.bigBlind = *bb;
    return s;
}

bool CardsBoardModel::severalPlayers() const
{
    if (!reading_.box(CardBox::Dead).cards.empty())
        return true;
    for (int i = 0; i < input_.opponents; ++i)
        if (opponentReading(i).range)
            return true;
    return false;
}

std::string CardsBoardModel::whyNoEquity() const
{
    if (!reading_.hand)
        return "Type or pick two hole cards for their equity.";
    if (!reading_.box(CardBox::Dead).message.empty())
        return "Correct the dead cards for the equity.";
    for (int i = 0; i < input_.opponents; ++i)
        if (!opponentReading(i).message.empty())
            return "Correct opponent " + std::to_string(i + 1) + "'s range for the equity.";
    return {};
}

std::optional<engine::odds::EquityRequest> CardsBoardModel::equityRequest() const
{
    if (!whyNoEquity().empty())
        return std::nullopt;
    engine::odds::EquityRequest request;
    request.board = reading_.board;
    if (!severalPlayers()) {
        request.hand = *reading_.hand;
        request.opponents = input_.opponents;
        return request;
    }
    request.players.push_back(engine::odds::PlayerHolding::ofHand(*reading_.hand));
    for (int i = 0; i < input_.opponents; ++i) {
        const OpponentReading& opponent = opponentReading(i);
        request.players.push_back(opponent.range ? engine::odds::PlayerHolding::ofRange(*opponent.range)
                                                 : engine::odds::PlayerHolding::random());
    }
    for (engine::cards::Card c : reading_.box(CardBox::Dead).cards)
        request.dead.insert(c);
    return request;
}

RangeAnalysisSubject CardsBoardModel::rangeAnalysis() const
{
    RangeAnalysisSubject subject;
    RangeAnalysisInput& in = subject.input;
    in.hand = reading_.hand;
    in.board = reading_.board;
    for (engine::cards::Card c : reading_.box(CardBox::Dead).cards)
        in.dead.insert(c);
    for (int i = 0; i < input_.opponents; ++i) {
        const OpponentReading& opponent = opponentReading(i);
        if (!opponent.range || opponent.range->empty())
            continue;
        subject.opponent = i;
        in.range = *opponent.range;
        in.rangeText = trimmed(input_.ranges[static_cast<std::size_t>(i)]);
        break;
    }
    return subject;
}

void CardsBoardModel::update()
{
    reading_ = readCards(input_);
    entry_.follow(reading_, input_.opponents);
}

namespace {

bool sameRange(const engine::cards::Range& a, const engine::cards::Range& b)
{
    return a.combos() == b.combos() && a.weights() == b.weights();
}

bool sameHolding(const engine::odds::PlayerHolding& a, const engine::odds::PlayerHolding& b)
{
    using Kind = engine::odds::PlayerHolding::Kind;
    if (a.kind != b.kind)
        return false;
    switch (a.kind) {
    case Kind::Hand: return a.hand == b.hand;
    case Kind::Range: return sameRange(a.range, b.range);
    case Kind::Random: return true;
    }
    return false;
}

} // namespace

bool sameComputation(const engine::odds::EquityRequest& a, const engine::odds::EquityRequest& b)
{
    if (!std::ranges::equal(a.players, b.players, sameHolding))
        return false;
    if (a.board != b.board || a.dead != b.dead)
        return false;
    // The one-hand form's own fields count only where they are read.
    if (!a.players.empty())
        return true;
    if (a.hand != b.hand || a.opponents != b.opponents || a.opponentRange.has_value() != b.opponentRange.has_value())
        return false;
    return !a.opponentRange || sameRange(*a.opponentRange, *b.opponentRange);
}

std::string rangeAnalysisTitle(const RangeAnalysisSubject& subject)
{
    if (!subject.opponent)
        return "No opponent holds a range: type one or pick it on the grid for the analysis of its hands.";
    const std::string text = subject.input.rangeText.empty() ? engine::cards::rangeText(subject.input.range)
                                                             : subject.input.rangeText;
    return "Against opponent " + std::to_string(*subject.opponent + 1) + ": " + text;
}

void showCardsHelp(const FrmPoker& frm)
{
    help::GetHtmlHelp()->OpenContext(help::kHelpContextCardsBoard, help::DefaultHelpFile(), frm.form.hWnd());
}

} // namespace window::cards
