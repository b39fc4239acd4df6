#include "history/practice/DrillRandom.h"

namespace practice {

int DrillRandom::below(int n)
{
    if (n <= 1)
        return 0;
    const auto range = static_cast<std::uint64_t>(n);
    // Draws past the last whole multiple of n are thrown back.
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    std::uint64_t draw = engine_();
    while (draw >= limit)
        draw = engine_();
    return static_cast<int>(draw % range);
}

double DrillRandom::unit()
{
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

} // namespace practice
