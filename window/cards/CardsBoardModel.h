#pragma once
// The cards and board window without its widgets: what is typed, what it
// reads as, the equity computation it asks for, and the main window kept in
// step (see MainWindowEntry). Every change re-reads the whole input.

#include <array>
#include <optional>
#include <string>

#include "engine/Chart.h"
#include "engine/odds/EquityRequest.h"
#include "window/cards/CardsInput.h"
#include "window/cards/CardsReading.h"
#include "window/cards/MainWindowEntry.h"
#include "window/cards/OpponentRange.h"
#include "window/cards/PotOdds.h"
#include "window/cards/RangeAnalysisInput.h"

namespace window {
class FrmPoker;
}

namespace window::cards {

// What the range analysis is asked about, and whose range that is.
struct RangeAnalysisSubject {
    RangeAnalysisInput input;
    std::optional<int> opponent; // 0 to 8; none while no opponent in play holds a range
};

class CardsBoardModel {
public:
    explicit CardsBoardModel(FrmPoker& frm);

    FrmPoker& mainWindow() const { return frm_; }
    const CardsInput& input() const { return input_; }
    const CardsReading& reading() const { return reading_; }
    PotOddsReading potOdds() const;

    void setText(CardBox box, std::string text);
    // Clamped to 1-9.
    void setOpponents(int opponents);
    // What an opponent (0 to 8, whether in play or not) holds: a range, or
    // blank for a random hand.
    void setOpponentRange(int opponent, std::string text);
    const OpponentReading& opponentReading(int opponent) const;
    void setPot(std::string pot);
    void setBet(std::string bet);
    // A card picked from the grid (see pickCard), into the dead cards while
    // they are the box in use; returns why it was not taken, or an empty text.
    std::string pick(engine::cards::Card card);
    // Whether the dead cards are the box last in use (the grid taking the
    // focus does not change which box that is).
    void setDeadCardsInUse(bool inUse) { deadCardsInUse_ = inUse; }
    bool deadCardsInUse() const { return deadCardsInUse_; }

    // Follows the main window's Players option when it changes there:
    // Heads-up is one opponent, Multi-way two or more. Returns whether the
    // number of opponents changed.
    bool followMainWindow();

    // The main window's pre-flop situation as far as it gives one (its
    // action, position, limpers and big blind), for the range grid's chart
    // choosers to start from.
    engine::ChartSituation chartSituation() const;

    // Whether an opponent in play holds a range, or cards are dead: the
    // equity is then asked of every player (see equityRequest).
    bool severalPlayers() const;
    // The equity of the hand on the board as far as it goes: against random
    // hands alone, the one-hand form; with ranges or dead cards, the form of
    // several players, the hand first and then each opponent. None without
    // two hole cards, or while the dead cards or an opponent's range do not
    // read.
    std::optional<engine::odds::EquityRequest> equityRequest() const;
    // Why there is no request, for the user; empty when there is one.
    std::string whyNoEquity() const;

    // The range analysis of the cards as they stand: the hand when two hole
    // cards read, the board as far as it reads, the dead cards that read,
    // and the range of the first opponent in play that holds one, with its
    // text as typed. Without such an opponent the range is empty.
    RangeAnalysisSubject rangeAnalysis() const;

private:
    void update();

    FrmPoker& frm_;
    CardsInput input_;
    CardsReading reading_;
    std::array<OpponentReading, kMaxOpponents> opponentReadings_;
    MainWindowEntry entry_;
    bool deadCardsInUse_ = false;
    std::optional<bool> seenHeadsUp_; // the Players option last seen in the main window
};

// Whether two of this window's requests ask for the same computation: the
// same cards, dead cards and players (their ranges by combination and
// weight). The seed and the method are the worker's.
bool sameComputation(const engine::odds::EquityRequest& a, const engine::odds::EquityRequest& b);

// Which opponent the analysis is about, for the user: "Against opponent 2:
// QQ+, AK", or what to do for one.
std::string rangeAnalysisTitle(const RangeAnalysisSubject& subject);

// F1 in the cards window: its help topic, in a viewer that the main window
// owns (it closes with it).
void showCardsHelp(const FrmPoker& frm);

} // namespace window::cards
