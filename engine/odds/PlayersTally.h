#pragma once
// Counts of a multi-player equity. Exact counts weigh each deal by the
// product of its combinations' weights and are summed in a fixed order, so
// they do not depend on the thread count. Monte Carlo counts are whole
// numbers per player, summed in any order.

#include <array>
#include <cstdint>

#include "engine/odds/EquityRequest.h"
#include "engine/odds/EquityTally.h"

namespace engine::odds {

struct WeightedTally {
    std::uint64_t deals = 0;  // deals counted, whatever their weight
    double weight = 0.0;      // their summed weight
    std::array<double, kMaxPlayers> wins{};
    std::array<double, kMaxPlayers> ties{};
    std::array<double, kMaxPlayers> pot{};  // shares of the pot, weighted

    WeightedTally& operator+=(const WeightedTally& o)
    {
        deals += o.deals;
        weight += o.weight;
        for (std::size_t p = 0; p < kMaxPlayers; ++p) {
            wins[p] += o.wins[p];
            ties[p] += o.ties[p];
            pot[p] += o.pot[p];
        }
        return *this;
    }

    void fill(EquityResult& r, std::size_t players) const
    {
        r.deals = deals;
        r.players.assign(players, PlayerEquity{});
        if (weight > 0.0) {
            for (std::size_t p = 0; p < players; ++p)
                r.players[p] = {wins[p] / weight, ties[p] / weight, pot[p] / weight, 0.0};
        }
        r.win = r.players[0].win;
        r.tie = r.players[0].tie;
        r.equity = r.players[0].equity;
        r.standardError = 0.0;
    }
};

struct SampledTally {
    std::array<EquityTally, kMaxPlayers> players;

    SampledTally& operator+=(const SampledTally& o)
    {
        for (std::size_t p = 0; p < kMaxPlayers; ++p)
            players[p] += o.players[p];
        return *this;
    }

    void fill(EquityResult& r, std::size_t count) const
    {
        r.players.assign(count, PlayerEquity{});
        for (std::size_t p = 0; p < count; ++p) {
            EquityResult one;
            players[p].fill(one, true);
            r.players[p] = {one.win, one.tie, one.equity, one.standardError};
        }
        r.deals = players[0].deals;
        r.win = r.players[0].win;
        r.tie = r.players[0].tie;
        r.equity = r.players[0].equity;
        r.standardError = r.players[0].standardError;
    }
};

// The deals of one Monte Carlo batch, per player by the number of players
// who shared the pot (0: lost), counted without a division or a branch per
// deal; turned into a SampledTally once the batch is over.
struct ShareCounts {
    std::array<std::array<std::uint32_t, kMaxPlayers + 1>, kMaxPlayers> counts{};

    void add(std::size_t player, std::size_t sharedBy) { ++counts[player][sharedBy]; }

    void addTo(SampledTally& tally, std::uint64_t deals, std::size_t players) const
    {
        for (std::size_t p = 0; p < players; ++p) {
            EquityTally& t = tally.players[p];
            t.deals += deals;
            t.wins += counts[p][1];
            for (std::size_t k = 1; k <= kMaxPlayers; ++k) {
                const std::uint64_t n = counts[p][k];
                const std::uint64_t share = kPotUnits / k;
                t.ties += k > 1 ? n : 0;
                t.potUnits += n * share;
                t.squaredPotUnits += n * share * share;
            }
        }
    }
};

} // namespace engine::odds
