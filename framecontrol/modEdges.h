#pragma once
// The frame's border: one line in a pen style, or two lines one pixel apart
// for the etched and bump looks. Both draw on pic and copy it to target.

#include <cstdint>

#include "platform/draw/DeviceContext.h"
#include "platform/draw/Rect.h"

namespace framecontrol {

class PictureBox;

namespace modEdges {

void DrawFlatEdge(platform::draw::DeviceContext& target, PictureBox& pic, const platform::draw::Rect& border,
                  const platform::draw::Rect& caption, std::uint32_t colour, std::int32_t penStyle,
                  std::int32_t cornerRadius);

// colour1 one pixel right and below colour2; neither line crosses caption.
void Draw3DEdge(platform::draw::DeviceContext& target, PictureBox& pic, const platform::draw::Rect& border,
                const platform::draw::Rect& caption, std::uint32_t colour1, std::uint32_t colour2,
                std::int32_t cornerRadius);

} // namespace modEdges
} // namespace framecontrol
