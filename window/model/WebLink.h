#pragma once
// Opening the product's web site from a window.

#include <string_view>

#include "platform/ports/Ports.h"

namespace window {

// Asks the desktop to open `address` in its browser. When it refuses, or
// there is no desktop to ask, a box says "Error occured" under the program's
// title, with an OK button only, and why below it.
void openLink(const platform::Ports& ports, std::string_view address);

} // namespace window
