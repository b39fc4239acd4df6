#pragma once
// The About window's controls as designed, in creation order, in the units
// and with the rules of the main window's layout.

#include <span>

#include "window/model/Layout.h"

namespace window {

// The default font of the About window's controls.
inline constexpr DesignedFont kAboutFont{"MS Sans Serif", 8.25, false};

std::span<const ControlLayout> frmBrisvaneAboutLayout();

// The About window's inner area in twips.
inline constexpr int kAboutWidthTwips = 5640;
inline constexpr int kAboutHeightTwips = 7680;

} // namespace window
