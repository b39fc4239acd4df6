#pragma once
// Sets of ranks as 13-bit masks (bit 0 = two, bit 12 = ace).

#include <bit>

namespace engine::cards {

// The highest rank in the mask, or -1 when it is empty.
constexpr int highestRank(unsigned mask)
{
    return static_cast<int>(std::bit_width(mask)) - 1;
}

// A straight's five ranks, from its high card; the wheel (ace to five) is
// five high.
constexpr unsigned straightRanks(int high)
{
    return high == 3 ? 0x100Fu : 0x1Fu << (high - 4);
}

// The high card of the best straight in the mask, or -1.
constexpr int straightHigh(unsigned mask)
{
    for (int high = 12; high >= 3; --high) {
        if ((mask & straightRanks(high)) == straightRanks(high))
            return high;
    }
    return -1;
}

} // namespace engine::cards
