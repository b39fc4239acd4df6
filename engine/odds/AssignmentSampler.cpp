#include "engine/odds/AssignmentSampler.h"

#include <algorithm>
#include <cmath>

namespace engine::odds {

namespace {

// Fills the alias tables of a list drawn by weight (Vose's method): each
// choice keeps its own share of its slot, and the rest of the slot goes to
// one choice that is heavier than the average.
void makeAliases(JointCombos& g, const std::vector<double>& weights)
{
    const std::size_t n = weights.size();
    double total = 0.0;
    for (double w : weights)
        total += w;
    std::vector<double> scaled(n);
    std::vector<std::uint32_t> light, heavy;
    for (std::size_t i = 0; i < n; ++i) {
        scaled[i] = weights[i] * static_cast<double>(n) / total;
        (scaled[i] < 1.0 ? light : heavy).push_back(static_cast<std::uint32_t>(i));
    }
    g.keep.assign(n, 0);
    g.alias.resize(n);
    for (std::size_t i = 0; i < n; ++i)
        g.alias[i] = static_cast<std::uint32_t>(i);
    const auto toKeep = [](double share) {
        return static_cast<std::uint32_t>(std::clamp(std::round(share * 0x1.0p32), 0.0, 0x1.0p32 - 1.0));
    };
    while (!light.empty() && !heavy.empty()) {
        const std::uint32_t l = light.back();
        light.pop_back();
        const std::uint32_t h = heavy.back();
        g.keep[l] = toKeep(scaled[l]);
        g.alias[l] = h;
        scaled[h] -= 1.0 - scaled[l];
        if (scaled[h] < 1.0) {
            heavy.pop_back();
            light.push_back(h);
        }
    }
    // What is left fills its whole slot (up to rounding).
    for (std::uint32_t i : light)
        g.keep[i] = toKeep(1.0);
    for (std::uint32_t i : heavy)
        g.keep[i] = toKeep(1.0);
}

} // namespace

AssignmentSampler::AssignmentSampler(const PlayersSetup& setup, std::size_t jointLimit)
{
    std::vector<std::uint8_t> ranged;
    for (std::size_t p = 0; p < setup.players.size(); ++p) {
        if (!setup.players[p].random)
            ranged.push_back(static_cast<std::uint8_t>(p));
    }
    // The smallest ranges first: they join into lists of few choices, and a
    // draw that must start again finds its conflict early.
    std::stable_sort(ranged.begin(), ranged.end(), [&](std::uint8_t a, std::uint8_t b) {
        return setup.players[a].keys.size() < setup.players[b].keys.size();
    });

    std::vector<std::vector<double>> weights;
    std::vector<bool> weighted;
    for (const std::uint8_t p : ranged) {
        const PlayerCombos& combos = setup.players[p];
        const std::size_t count = combos.keys.size();
        const bool joins = !groups_.empty() && groups_.back().cards.size() * count <= jointLimit;
        if (!joins) {
            groups_.emplace_back();
            weights.emplace_back(1, 1.0);
            weighted.push_back(false);
            groups_.back().cards.push_back(0);
        }
        JointCombos& g = groups_.back();
        const std::size_t before = g.members.size();
        JointCombos grown;
        grown.members = g.members;
        grown.members.push_back(p);
        std::vector<double> grownWeights;
        for (std::size_t e = 0; e < g.cards.size(); ++e) {
            for (std::size_t k = 0; k < count; ++k) {
                const std::uint64_t cards = combos.keys[k].cards;
                if ((cards & g.cards[e]) != 0)
                    continue;
                grown.cards.push_back(g.cards[e] | cards);
                grown.picks.insert(grown.picks.end(), g.picks.begin() + static_cast<std::ptrdiff_t>(e * before),
                                   g.picks.begin() + static_cast<std::ptrdiff_t>((e + 1) * before));
                grown.picks.push_back(static_cast<std::uint16_t>(k));
                grownWeights.push_back(weights.back()[e] * combos.weights[k]);
            }
        }
        g = std::move(grown);
        weights.back() = std::move(grownWeights);
        weighted.back() = weighted.back() || combos.weighted;
    }
    for (std::size_t i = 0; i < groups_.size(); ++i) {
        JointCombos& g = groups_[i];
        if (g.cards.empty()) {
            drawable_ = false;
        } else if (weighted[i]) {
            makeAliases(g, weights[i]);
        } else {
            // The choice and the positions together below 2^38.
            double range = static_cast<double>(g.cards.size());
            while (g.sparePositions < 6 && range * 52.0 <= 0x1.0p38) {
                range *= 52.0;
                ++g.sparePositions;
            }
        }
    }
}

bool AssignmentSampler::drawGroups(SplitMix& random, std::array<std::uint32_t, kMaxPlayers>& picks,
                                   std::uint64_t& used, std::size_t& firstChoice, StopPoll& stop) const
{
    for (std::uint64_t tries = 1;; ++tries) {
        SpareRandom unused;
        firstChoice = drawFrom(groups_.front(), random, picks, unused);
        used = groups_.front().cards[firstChoice];
        bool fits = true;
        for (std::size_t i = 1; i < groups_.size(); ++i) {
            const std::uint64_t cards = groups_[i].cards[drawFrom(groups_[i], random, picks, unused)];
            fits = fits && (cards & used) == 0;
            used |= cards;
        }
        if (fits)
            return true;
        if (stop.step() || gaveUp())
            return false;
        if (tries == kMostTries) {
            gaveUp_.store(true, std::memory_order_relaxed);
            return false;
        }
    }
}

} // namespace engine::odds
