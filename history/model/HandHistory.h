#pragma once
// One hand as a hand history tells it: who sat where, the blinds, every
// action street by street, the board, the cards that were seen, and what each
// player ended with. The readers of each file format fill it; grading and the
// review read it. Amounts are in the hand's own money (currency or chips).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/cards/Card.h"
#include "engine/cards/HoleCards.h"

namespace history {

using engine::cards::Card;
using engine::cards::HoleCards;

enum class Street : std::uint8_t { Preflop, Flop, Turn, River };

enum class ActionKind : std::uint8_t {
    Ante,       // posted before the deal; dead money, no part of a bet
    SmallBlind, // posted small blind (live)
    BigBlind,   // posted big blind (live)
    Straddle,   // a voluntary blind beyond the big blind (live)
    DeadBlind,  // a blind posted out of turn that is dead money (not live)
    Fold,
    Check,
    Call,
    Bet,   // the first bet of a street after the flop
    Raise, // any raise, pre-flop the first one beyond the big blind included
};

struct Action {
    Street street = Street::Preflop;
    std::uint8_t player = 0; // index into HandHistory::players
    ActionKind kind = ActionKind::Fold;
    // What this action put in (0 for fold and check).
    double added = 0;
    // The player's whole live bet on this street after the action: for a call
    // the amount called to, for a bet or raise the amount it goes to. Posted
    // blinds count; antes and dead blinds do not.
    double to = 0;
    bool allIn = false;
};

struct Player {
    std::string name;
    int seat = 0;          // the seat number at the table, as the file gives it
    double stack = 0;      // at the start of the hand
    std::optional<HoleCards> cards; // when dealt face up to the file's owner or shown
    // What the player got back at the end minus all he put in (antes, blinds,
    // bets, less any uncalled bet returned), when the file tells.
    std::optional<double> net;
};

enum class Format : std::uint8_t { Phh, RoomText };

struct HandHistory {
    Format format = Format::RoomText;
    std::string site;        // the room or venue ("PokerStars", a PHH venue), or "" when unknown
    std::string handNumber;  // the site's hand number as text, or "" when the file has none
    std::string tournament;  // the tournament number, "" in a cash game
    std::string table;
    std::string currency;    // "$", "€", "" for chips
    std::string playedAt;    // as the file writes it, "" when unknown
    int maxSeats = 0;        // the table's size when the file tells, else 0

    double smallBlind = 0;
    double bigBlind = 0;
    double ante = 0;

    // The players dealt in, in the order they sit clockwise starting left of
    // the button and ending with the button: small blind, big blind, first to
    // act ... button. Heads-up that is big blind, then the button, who posts
    // the small blind.
    std::vector<Player> players;
    std::vector<Action> actions; // every action in the order it happened, posts first
    std::vector<Card> board;     // up to five cards

    int buttonIndex() const { return static_cast<int>(players.size()) - 1; }
};

} // namespace history
