#pragma once
// The cards and board window without its widgets: what is typed, what it
// reads as, the equity computation it asks for, and the main window kept in
// step (see MainWindowEntry). Every change re-reads the whole input.

#include <optional>
#include <string>

#include "engine/odds/EquityRequest.h"
#include "window/cards/CardsInput.h"
#include "window/cards/CardsReading.h"
#include "window/cards/MainWindowEntry.h"
#include "window/cards/PotOdds.h"

namespace window {
class FrmPoker;
}

namespace window::cards {

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
    void setPot(std::string pot);
    void setBet(std::string bet);
    // A card picked from the grid (see pickCard); returns why it was not
    // taken, or an empty text.
    std::string pick(engine::cards::Card card);

    // Follows the main window's Players option when it changes there:
    // Heads-up is one opponent, Multi-way two or more. Returns whether the
    // number of opponents changed.
    bool followMainWindow();

    // The equity of the hand against random hands, on the board as far as
    // it goes; none without two hole cards.
    std::optional<engine::odds::EquityRequest> equityRequest() const;

private:
    void update();

    FrmPoker& frm_;
    CardsInput input_;
    CardsReading reading_;
    MainWindowEntry entry_;
    std::optional<bool> seenHeadsUp_; // the Players option last seen in the main window
};

// Whether two of this window's requests (random opponents, no dead cards)
// ask for the same computation.
bool sameComputation(const engine::odds::EquityRequest& a, const engine::odds::EquityRequest& b);

// F1 in the cards window: its help topic, in a viewer that the main window
// owns (it closes with it).
void showCardsHelp(const FrmPoker& frm);

} // namespace window::cards
