#pragma once
// Error numbers the property layer reports through platform::PlatformError,
// the numbers the platform's own controls use for the same faults.

namespace platform {

inline constexpr long kErrInvalidProcedureCall = 5;
inline constexpr long kErrTypeMismatch = 13;
inline constexpr long kErrInvalidFileFormat = 321;
inline constexpr long kErrInvalidPropertyValue = 380;

} // namespace platform
