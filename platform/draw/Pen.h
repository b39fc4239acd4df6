#pragma once
// Pens: a style, a width and a colour.

#include "platform/draw/ColourRef.h"

namespace platform::draw {

enum PenStyle : int {
    PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5, PS_INSIDEFRAME = 6,
};

struct Pen {
    int style = PS_SOLID;
    int width = 1;
    ColourRef colour = 0;
    bool operator==(const Pen&) const = default;
};

// Throws PlatformError for a style outside PS_SOLID..PS_INSIDEFRAME or a
// negative width.
Pen CreatePen(int style, int width, ColourRef colour);

} // namespace platform::draw
