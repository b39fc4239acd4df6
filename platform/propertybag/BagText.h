#pragma once
// The text form of a property bag, for a host to store with its window:
//
//   property-bag 1
//   Alignment = 1
//   Caption = "Pre-Flop"
//   BackColor = colour 0x00137C05
//   Enabled = false
//   Font = font "MS Sans Serif" 9.75 bold
//   MouseIcon = picture png 16 16 iVBORw0KGgo...
//
// One entry a line, in the bag's order. Texts are quoted with the escapes
// \\ \" \n \r \t \xHH; font styles are any of bold italic underline
// strikethrough; "picture none" is no picture. Blank lines and lines starting
// with # are ignored when reading.

#include <string>
#include <string_view>

#include "platform/propertybag/PropertyBag.h"

namespace platform {

std::string writeBagText(const PropertyBag& bag);

// Throws PlatformError (kErrInvalidFileFormat) naming the line and the fault
// for text that is not a bag's; nothing is kept from such text.
PropertyBag readBagText(std::string_view text);

} // namespace platform
