#pragma once
// Lengths in twips (1440 to the inch) and screen pixels.

#include <cmath>
#include <cstdint>

namespace platform::qt {

class Twips {
public:
    explicit Twips(double twipsPerPixel = 15.0) : perPixel_(twipsPerPixel) {}
    // The scale of a screen with this many dots per inch.
    static Twips ofDpi(double dotsPerInch) { return Twips(1440.0 / (dotsPerInch > 0 ? dotsPerInch : 96.0)); }

    double perPixel() const noexcept { return perPixel_; }
    // One pixel in whole twips, as a 16-bit value.
    std::int16_t onePixel() const noexcept { return static_cast<std::int16_t>(std::lround(perPixel_)); }

    int fromPixels(int pixels) const noexcept { return static_cast<int>(std::lround(pixels * perPixel_)); }
    int toPixels(double twips) const noexcept { return static_cast<int>(std::lround(twips / perPixel_)); }

private:
    double perPixel_;
};

} // namespace platform::qt
