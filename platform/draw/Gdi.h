#pragma once
// Drawing calls on device contexts: text, rounded rectangles, clipping,
// bit-block copies and palettes.

#include <string_view>

#include <QPaintDevice>

#include "platform/draw/DeviceContext.h"
#include "platform/draw/Rect.h"

namespace platform::draw {

// DrawText formats.
enum DrawTextFormat : unsigned {
    DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_NOCLIP = 0x100, DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800,
};

// Region kinds ExcludeClipRect returns.
enum RegionKind : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

inline constexpr unsigned long SRCCOPY = 0x00CC0020;

// Draws UTF-8 text in the context's font and text colour into rc, clipped to
// it unless DT_NOCLIP. Lines break at line breaks, and with DT_WORDBREAK also
// between words to fit rc's width; DT_SINGLELINE keeps one line. "&" marks
// the next character as a mnemonic (underlined; "&&" is a plain "&") unless
// DT_NOPREFIX. With DT_CALCRECT nothing is drawn: rc's right and bottom are
// set to fit the text. Returns the height of the text.
int DrawText(DeviceContext& dc, std::string_view text, Rect& rc, unsigned format);

// The outline of a rectangle with rounded corners in the selected pen, from
// (left, top) to just inside (right, bottom); the corners are quarters of an
// ellipse ellipseWidth by ellipseHeight (0: square corners).
bool RoundRect(DeviceContext& dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);

// Takes the rectangle out of the context's clip region.
int ExcludeClipRect(DeviceContext& dc, int left, int top, int right, int bottom);

// Copies width x height pixels from src at (srcX, srcY) to dest at (x, y).
// Only SRCCOPY is supported (false otherwise). A destination with a realised
// palette on a palette device receives the nearest palette colours.
bool BitBlt(DeviceContext& dest, int x, int y, int width, int height, const DeviceContext& src, int srcX, int srcY,
            unsigned long rop);

// The client area of a window or image: (0, 0) to its size.
bool GetClientRect(const QPaintDevice& device, Rect& rc);

// Palettes.
unsigned GetSystemPaletteEntries(const DeviceContext& dc, unsigned start, unsigned count, QRgb* entries);
Palette CreatePalette(std::vector<QRgb> entries); // null for 0 or more than 256 entries
Palette SelectPalette(DeviceContext& dc, Palette palette, bool forceBackground);
unsigned RealizePalette(DeviceContext& dc);

} // namespace platform::draw
