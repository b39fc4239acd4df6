#pragma once
// Seeded random sessions for `tablewise replay`: what a user does at the
// window (typing with the odd wrong key, backspaces, clicks, list choices,
// focus moves, Reset), with a dump every `dumpEvery` actions. The same seed
// always gives the same script, on every machine.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/odds/SplitMix.h"

namespace clitest {

// SplitMix64, fully specified, so that a seed gives the same session
// everywhere.
class WalkRandom {
public:
    explicit WalkRandom(std::uint64_t seed) : generator_(seed) {}

    // 0 .. n-1
    unsigned below(unsigned n) { return static_cast<unsigned>(generator_.next() % n); }
    bool chance(unsigned percent) { return below(100) < percent; }
    template <class T, std::size_t N>
    const T& pick(const std::array<T, N>& a) { return a[below(static_cast<unsigned>(N))]; }

private:
    engine::odds::SplitMix generator_;
};

inline std::string randomWalk(std::uint64_t seed, unsigned actions, unsigned dumpEvery = 50)
{
    static constexpr std::array<std::string_view, 15> clickable = {
        "chkSuited", "optEarly", "optMiddle", "optLate", "optBlinds", "optOpened", "optLimped", "optRaised",
        "optRaisedCalled", "optRaiseReRaise", "optIn", "optOut", "optRaisedPost", "optLimpedPost", "optHeadsUp",
    };
    static constexpr std::array<std::string_view, 6> focusable = {
        "txtBB", "txtHoleCard", "txtLimpers", "cmbPostFlop", "chkSuited", "cmdResetPartial",
    };
    // Mostly keys the boxes take, now and then one they refuse.
    static constexpr std::string_view rankKeys = "AaKkQqJjTt23456789";
    static constexpr std::string_view strayKeys = "xs1o0 .$,-";
    static constexpr std::array<std::string_view, 12> blinds = {
        "2", "1", "0.5", ".25", "10", "3.", "0", "100.75", "2.5.1", "$4", "1,000", "99999999999",
    };
    static constexpr std::array<std::string_view, 9> limpers = {
        "1", "2", "3", "0", "9", "12", "x", "00", "12345678901234567890123456789012345",
    };

    WalkRandom r(seed);
    std::string s;
    s.reserve(actions * 24);
    for (unsigned i = 1; i <= actions; ++i) {
        const unsigned kind = r.below(100);
        if (kind < 14) {
            // A new hand: clear the box, then two ranks.
            s += "backspace txtHoleCard 2\ntype txtHoleCard ";
            s += rankKeys[r.below(rankKeys.size())];
            s += rankKeys[r.below(rankKeys.size())];
        } else if (kind < 30) {
            s += "type txtHoleCard ";
            const unsigned n = 1 + r.below(2);
            for (unsigned k = 0; k < n; ++k)
                s += r.chance(90) ? rankKeys[r.below(rankKeys.size())] : strayKeys[r.below(strayKeys.size())];
        } else if (kind < 42) {
            s += "backspace txtHoleCard";
            if (r.chance(30))
                s += " " + std::to_string(1 + r.below(3));
        } else if (kind < 47) {
            if (r.chance(70))
                s += "backspace txtBB 12\n";
            s += "type txtBB ";
            s += r.pick(blinds);
        } else if (kind < 51) {
            s += "backspace txtBB";
            if (r.chance(50))
                s += " " + std::to_string(1 + r.below(12));
        } else if (kind < 55) {
            s += "type txtLimpers ";
            s += r.pick(limpers);
        } else if (kind < 58) {
            s += "backspace txtLimpers";
            if (r.chance(30))
                s += " 40";
        } else if (kind < 82) {
            s += "click ";
            s += r.chance(93) ? r.pick(clickable) : std::string_view("optMultiWay");
        } else if (kind < 88) {
            s += "select cmbPostFlop " + std::to_string(r.below(14));
        } else if (kind < 90) {
            s += "type cmbPostFlop ";
            s += r.chance(50) ? "Trips" : "Top";
        } else if (kind < 97) {
            s += "focus ";
            s += r.pick(focusable);
        } else {
            s += "click cmdResetPartial";
        }
        s += '\n';
        if (i % dumpEvery == 0)
            s += "dump\n";
    }
    return s;
}

} // namespace clitest
