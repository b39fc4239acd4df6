#pragma once
// System colours (0x80000000 + n) and their translation. The system colours
// come from a Qt palette, by default the running application's, so controls
// follow the desktop theme.

#include <cstdint>
#include <optional>

#include <QColor>
#include <QPalette>

#include "platform/draw/ColourRef.h"

namespace platform::draw {

enum SystemColour : int {
    COLOR_SCROLLBAR = 0, COLOR_BACKGROUND = 1, COLOR_ACTIVECAPTION = 2, COLOR_INACTIVECAPTION = 3, COLOR_MENU = 4,
    COLOR_WINDOW = 5, COLOR_WINDOWFRAME = 6, COLOR_MENUTEXT = 7, COLOR_WINDOWTEXT = 8, COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10, COLOR_INACTIVEBORDER = 11, COLOR_APPWORKSPACE = 12, COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14, COLOR_BTNFACE = 15, COLOR_BTNSHADOW = 16, COLOR_GRAYTEXT = 17, COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19, COLOR_BTNHIGHLIGHT = 20, COLOR_3DDKSHADOW = 21, COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23, COLOR_INFOBK = 24, COLOR_HOTLIGHT = 26, COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28, COLOR_MENUHILIGHT = 29, COLOR_MENUBAR = 30,
};

// The colour of system colour n in the palette; nullopt for an unknown n.
std::optional<QColor> systemColour(int index, const QPalette& palette);

// Translates a stored colour to 0x00BBGGRR: plain colours (high byte 0) and
// palette-relative ones (high byte 2) as they are, system colours through the
// palette. Returns false, leaving rgb alone, for anything else: an unknown
// system colour, a palette index (there is no palette), other high bytes.
bool OleTranslateColor(std::uint32_t oleColour, ColourRef& rgb, const QPalette& palette);
bool OleTranslateColor(std::uint32_t oleColour, ColourRef& rgb); // the application's palette

} // namespace platform::draw
