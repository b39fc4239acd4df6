#pragma once
// Stored colours to drawing colours for the frame's routines.

#include <cstdint>

#include "platform/draw/ColourRef.h"

namespace framecontrol {

// 0x00BBGGRR for a stored colour, translated through the application's
// palette; -1 when it cannot be translated (such a colour draws black).
platform::draw::ColourRef TranslateColor(std::uint32_t oleColour);

// The fixed colours of the caption effects.
inline constexpr std::uint32_t kEffectHighlight = 0x80000014; // 3-D highlight
inline constexpr std::uint32_t kEffectShadow = 0x80000010;    // button shadow

} // namespace framecontrol
