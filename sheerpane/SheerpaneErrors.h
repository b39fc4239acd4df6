#pragma once
// Error numbers the control raises besides the property layer's (invalid
// procedure call 5, type mismatch 13, invalid property value 380).

#include "platform/PlatformError.h"
#include "platform/propertybag/PropertyErrors.h"

namespace sheerpane {

using platform::kErrInternal;

inline constexpr long kErrOutOfMemory = 7;
inline constexpr long kErrInvalidPicture = 481;

} // namespace sheerpane
