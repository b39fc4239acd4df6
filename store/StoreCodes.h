#pragma once
// How the store writes the enums it keeps: their values as small integers,
// read back with a check, since a damaged row must not become an enum out of
// range.

#include <cstdint>
#include <optional>

#include "history/readers/HandReader.h"
#include "store/HandStore.h"

namespace store {

template <class Enum>
std::int64_t enumCode(Enum value)
{
    return static_cast<std::int64_t>(value);
}

// The enum of a stored code below `count`; throws StoreError for any other.
template <class Enum>
Enum enumFromCode(std::int64_t code, int count)
{
    if (code < 0 || code >= count)
        throw StoreError("the hand store holds a value it does not know (" + std::to_string(code)
                         + "): it is damaged or was written by a newer version");
    return static_cast<Enum>(code);
}

inline constexpr int kPositionCount = 4;
inline constexpr int kPreflopActionCount = 5;
inline constexpr int kMoveCount = 4;
inline constexpr int kBetClassCount = 4;
inline constexpr int kSizeVerdictCount = 3;
inline constexpr int kVerdictCount = 4;
inline constexpr int kFileFormatCount = 3;

} // namespace store
