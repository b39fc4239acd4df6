#pragma once
// Where the caption and the border go, from the frame's size, the measured
// caption, the alignment and the corner radius. Free of Qt.

#include "platform/draw/Rect.h"

namespace framecontrol {

using platform::draw::Rect;

// n / 2 rounded to the nearest integer, an exact half to the even one.
int halfToEven(int n);
// Int(n / 2): n / 2 rounded down.
int floorHalf(int n);

struct FrameOrigin {
    int width = 0;  // W
    int height = 0; // H
    int left = 0;   // X0
    int top = 0;    // Y0
};

// Lays out the caption rectangle for alignments 0 to 5 (top left, top centre,
// top right, bottom left, bottom centre, bottom right) and returns true; any
// other alignment leaves rc as it was and returns false. half is Int(r / 2).
bool placeCaption(int alignment, const FrameOrigin& frame, int half, int captionWidth, int captionHeight, Rect& rc);

// The border rectangle, through the middle of the caption's height, for
// alignments 0 to 5; others leave rc as it was and return false.
bool placeBorder(int alignment, const FrameOrigin& frame, int captionHeight, Rect& rc);

} // namespace framecontrol
