#pragma once
// What the host tells a control about its surroundings.

#include <string>

#include "platform/propertybag/PropertyValue.h"

namespace platform {

struct Ambient {
    // true while the host runs the program, false while a form is designed.
    bool userMode = true;
    // The name the host gives a control it places.
    std::string displayName;
    // The host's font, the default of a control's own.
    FontDesc font{"MS Sans Serif", 8.25};
};

} // namespace platform
