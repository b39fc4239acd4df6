#include "framecontrol/TranslateColor.h"

#include "platform/draw/SystemColours.h"

namespace framecontrol {

platform::draw::ColourRef TranslateColor(std::uint32_t oleColour)
{
    platform::draw::ColourRef rgb = 0;
    if (platform::draw::OleTranslateColor(oleColour, rgb))
        return rgb;
    return platform::draw::kInvalidColour;
}

} // namespace framecontrol
