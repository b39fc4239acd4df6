#pragma once
// A practice question's table as the player meets it: the seats from the
// small blind to the button with their stacks, his seat and cards, and what
// the players before him did, in order. It is drawn so that reading it as a
// hand history gives exactly the situation asked.

#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/cards/HoleCards.h"
#include "history/grading/Decision.h"
#include "history/model/HandHistory.h"
#include "history/practice/DrillRandom.h"
#include "history/practice/DrillSituation.h"

namespace practice {

struct SceneAction {
    int seatIndex = 0;
    history::Move move = history::Move::Fold; // Fold, Call (a limp or a call) or Raise
    double toBB = 0;                          // called or raised to, in big blinds; 0 for a fold
};

struct Scene {
    DrillSituation situation;
    int players = 0;
    int heroIndex = 0;      // seats count from the small blind (0) to the button (players - 1)
    engine::cards::HoleCards cards;
    double bigBlind = 1;    // in the player's money; the small blind is half of it
    std::vector<double> stacks;       // each seat's stack at the start, in money
    std::vector<SceneAction> before;  // every action before the player's, folds included

    int handIndex() const;
    std::string_view seatName(int seatIndex) const; // "UTG" ... "BTN", "SB", "BB"
    std::string_view heroSeat() const { return seatName(heroIndex); }
    // The big blind with nobody raising: his "call" is a check.
    bool heroCanCheck() const;
    // What the player's call goes to, in big blinds.
    double toCallBB() const;
};

// Draws a scene of the situation on a table of `players` with the player in
// `heroIndex` (one of seatsFor(situation, players)) holding `cards`.
Scene drawScene(const DrillSituation& situation, int players, int heroIndex, engine::cards::HoleCards cards,
                double bigBlind, DrillRandom& random);

// Two cards of the hand class, in suits drawn at random.
engine::cards::HoleCards drawCardsOf(int handIndex, DrillRandom& random);
// Two cards dealt from a full deck.
engine::cards::HoleCards dealCards(DrillRandom& random);

// The scene as a hand history up to and with the player's first move, as a
// reader would give it: posts, every action before him, then his move.
history::HandHistory sceneHistory(const Scene& scene, history::Move heroMove);

} // namespace practice
