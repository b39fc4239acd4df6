#pragma once
// The price of a call against the equity: with a pot and a bet to call, a
// call pays on the odds alone when the equity is at least bet / (pot + bet).

#include <optional>
#include <string>
#include <string_view>

#include "platform/money/Money.h"

namespace window::cards {

struct PotOdds {
    double pot = 0.0;
    double bet = 0.0;
    double price = 0.0; // bet / (pot + bet), the equity a call needs
};

struct PotOddsReading {
    std::optional<PotOdds> odds;
    std::string message; // why there are none, when something was typed
};

// Reads the two amounts as typed (as the main window's big blind takes them).
PotOddsReading readPotOdds(std::string_view pot, std::string_view bet, const platform::Money& money);

enum class CallVerdict { Pays, TooCloseToTell, DoesNotPay };

// A Monte Carlo equity within two standard errors of the price cannot tell
// either way; an exact one (standard error 0) always can.
CallVerdict judgeCall(const PotOdds& odds, double equity, double standardError);

} // namespace window::cards
