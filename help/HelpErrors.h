#pragma once
// Errors the help wrapper raises itself.

namespace help {

// A form registered for help a second time.
inline constexpr long kErrFormAlreadyRegistered = 1457;
inline constexpr const char* kErrFormAlreadyRegisteredText = "This form is already registered for help";

} // namespace help
