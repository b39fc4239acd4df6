#pragma once
// What an equity computation is asked and what it answers: a request value
// in, a result value out, progress reported on the way.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/cards/HoleCards.h"
#include "engine/cards/Range.h"

namespace engine::odds {

enum class EquityMethod : std::uint8_t {
    Automatic,  // exact when it is cheap enough, Monte Carlo otherwise
    Exact,
    MonteCarlo,
};

// What one player of a multi-player request holds: two known cards, a hand
// of a (weighted) range, or a random hand.
struct PlayerHolding {
    enum class Kind : std::uint8_t { Hand, Range, Random };
    Kind kind = Kind::Random;
    cards::HoleCards hand;
    cards::Range range;

    static PlayerHolding ofHand(cards::HoleCards h) { return {Kind::Hand, h, {}}; }
    static PlayerHolding ofRange(cards::Range r) { return {Kind::Range, {}, std::move(r)}; }
    static PlayerHolding random() { return {}; }
};

inline constexpr int kMaxPlayers = 10;

struct EquityRequest {
    // The multi-player form: 2 to 10 players, each answered for. When it is
    // given, `hand`, `opponents` and `opponentRange` are not read.
    std::vector<PlayerHolding> players;

    // The one-hand form: a hand against random hands or one range.
    cards::HoleCards hand;
    std::vector<cards::Card> board;  // 0 to 5 cards
    cards::CardSet dead;
    // Opponents holding random hands (1 to 9), or one opponent holding a
    // hand of this range.
    int opponents = 1;
    std::optional<cards::Range> opponentRange;

    EquityMethod method = EquityMethod::Automatic;
    // Monte Carlo plays this many trials, or for this many seconds, or (when
    // neither is given) until the standard error of the equity falls to the
    // target. A stop token ends any run early.
    std::uint64_t trials = 0;
    double seconds = 0.0;
    double targetStandardError = 0.001;
    std::uint64_t seed = 0x5EED;
    unsigned threads = 0;  // 0: one per hardware thread; at most 64
};

enum class EquityStatus : std::uint8_t {
    Done,
    Cancelled,  // the numbers cover the deals counted until then
    Invalid,    // the request cannot be answered; see error
};

struct PlayerEquity {
    double win = 0.0;
    double tie = 0.0;
    double equity = 0.0;
    double standardError = 0.0;  // 0 when exact
};

struct EquityResult {
    EquityStatus status = EquityStatus::Done;
    std::string error;
    EquityMethod method = EquityMethod::Exact;
    std::uint64_t deals = 0;     // deals enumerated or trials played
    // Shares of the deals, 0 to 1; where ranges carry weights, of the deals
    // weighted by the product of their combinations' weights.
    double win = 0.0;
    double tie = 0.0;
    double equity = 0.0;         // win plus 1/k of each k-way tie
    double standardError = 0.0;  // of the equity; 0 when exact
    double seconds = 0.0;
    // The multi-player form: one per player, in the request's order; the
    // first player's numbers are also those above. Empty in the one-hand form.
    std::vector<PlayerEquity> players;
};

struct EquityProgress {
    double fraction = 0.0;  // of the exact enumeration, or of the trials or time asked
    EquityResult sofar;
};

} // namespace engine::odds
