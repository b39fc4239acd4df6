#pragma once
// An equity request of several players, each written as a hand ("AhKh"), a
// range ("QQ+, AK") or "random", for the benchmarks' cases.

#include <initializer_list>
#include <string_view>

#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "engine/odds/EquityRequest.h"

inline engine::odds::EquityRequest playersRequest(std::initializer_list<const char*> held, const char* board,
                                                  engine::odds::EquityMethod method)
{
    using engine::odds::PlayerHolding;
    engine::odds::EquityRequest r;
    r.board = engine::cards::parseCards(board).value;
    for (const char* text : held) {
        if (std::string_view(text) == "random")
            r.players.push_back(PlayerHolding::random());
        else if (const auto hand = engine::cards::parseHoleCards(text); hand.ok())
            r.players.push_back(PlayerHolding::ofHand(hand.value));
        else
            r.players.push_back(PlayerHolding::ofRange(engine::cards::parseRange(text).value));
    }
    r.method = method;
    return r;
}
