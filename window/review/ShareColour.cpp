#include "window/review/ShareColour.h"

#include <algorithm>
#include <cmath>

namespace window::review {

namespace {

constexpr Rgb kRed{214, 48, 39};
constexpr Rgb kAmber{245, 176, 38};
constexpr Rgb kGreen{40, 160, 70};

int mix(int from, int to, double t)
{
    return static_cast<int>(std::lround(from + (to - from) * t));
}

Rgb mix(const Rgb& from, const Rgb& to, double t)
{
    return {mix(from.red, to.red, t), mix(from.green, to.green, t), mix(from.blue, to.blue, t)};
}

} // namespace

Rgb shareColour(std::optional<double> share)
{
    if (!share || std::isnan(*share))
        return kUngradedColour;
    const double s = std::clamp(*share, 0.0, 1.0);
    return s < 0.5 ? mix(kRed, kAmber, s * 2) : mix(kAmber, kGreen, (s - 0.5) * 2);
}

} // namespace window::review
