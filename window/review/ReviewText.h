#pragma once
// Numbers as the review writes them, whatever the locale: "3", "2.5",
// "$0.50", "+1.5".

#include <string>
#include <string_view>

namespace window::review {

// At most `decimals` decimals, trailing zeros dropped; "-0" never appears.
std::string number(double value, int decimals);
// With a sign in front: "+1.5", "-2", "0".
std::string signedNumber(double value, int decimals);
// In the hand's money: "$0.50", "$1", "€2.25"; chips with no currency: "400".
std::string money(double value, std::string_view currency);

} // namespace window::review
