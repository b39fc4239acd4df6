#pragma once
// The two lines that open a hand: the header (hand number, game, stakes,
// time) and the table line (table name, size, button seat).

#include <optional>
#include <string_view>

namespace history::roomtext {

struct HandHeader {
    std::string_view handNumber;
    std::string_view tournament; // "" in a cash game
    std::string_view game;       // as written, e.g. "Hold'em No Limit", for the reason of a skip
    bool noLimitHoldem = false;
    std::string_view currency;   // "$", "€", "£", or "" for chips
    double smallBlind = 0;       // 0 when the header gives no stakes
    double bigBlind = 0;
    std::string_view playedAt;
};

// nullopt when the line is no header that can be read.
std::optional<HandHeader> readHandHeader(std::string_view line);

struct TableLine {
    std::string_view name;
    int maxSeats = 0; // 0 when not told
    int buttonSeat = 0;
};

std::optional<TableLine> readTableLine(std::string_view line);

} // namespace history::roomtext
