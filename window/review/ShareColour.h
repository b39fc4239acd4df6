#pragma once
// The colour of a situation by the share of its hands that followed the
// advisor: red when none did, amber at half, green when all did. Cells with
// no graded hand are grey.

#include <array>
#include <optional>
#include <string_view>

namespace window::review {

struct Rgb {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kUngradedColour{200, 200, 200};

// `share` is clamped to 0..1; none gives kUngradedColour.
Rgb shareColour(std::optional<double> share);

struct LegendStop {
    double share;
    std::string_view label;
};
// The stops the legend shows, lowest share first.
inline constexpr std::array kLegendStops = {
    LegendStop{0.0, "none followed"}, LegendStop{0.5, "half"}, LegendStop{1.0, "all followed"}};

} // namespace window::review
