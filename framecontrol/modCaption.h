#pragma once
// Measuring and drawing the frame's caption.

#include <cstdint>
#include <string>

#include "platform/draw/DeviceContext.h"
#include "platform/draw/Rect.h"

namespace framecontrol {

class PictureBox;

namespace modCaption {

// The caption's size in pic's font: one line for captionStyle 0, wrapped at
// word boundaries within pic's width less 7 pixels each side otherwise.
platform::draw::Rect MeasureCaption(PictureBox& pic, const std::string& text, std::int32_t captionStyle);

// Draws the caption on pic into rc (moved while drawing and restored), with
// the 3-D effect font3D or the embossed disabled look when !enabled, then
// copies rc from pic to target. Bottom alignments (3 to 5) right-align lines.
void DrawCaption(platform::draw::DeviceContext& target, PictureBox& pic, const std::string& text,
                 platform::draw::Rect& rc, bool enabled, std::int32_t font3D, std::int32_t alignment);

} // namespace modCaption
} // namespace framecontrol
