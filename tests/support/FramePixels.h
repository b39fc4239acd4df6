#pragma once
// Looking at the pixels of the frame controls' pictures.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include <QImage>
#include <QPoint>

#include "platform/draw/SystemColours.h"

namespace testsupport {

// The pixel of a stored colour (system colours through the application's
// palette).
inline QRgb pixelOf(std::uint32_t oleColour)
{
    platform::draw::ColourRef rgb = -1;
    platform::draw::OleTranslateColor(oleColour, rgb);
    return platform::draw::toQColor(rgb).rgb();
}

// Two border lines one pixel apart: `first` at each point, `second` one pixel
// below it on the horizontal lines and one pixel right of it on the vertical
// ones.
inline void expectLinePair(const QImage& image, QRgb first, QRgb second, std::initializer_list<QPoint> horizontal,
                           std::initializer_list<QPoint> vertical)
{
    const auto check = [&](QPoint at, QPoint step) {
        SCOPED_TRACE(testing::Message() << "at " << at.x() << "," << at.y());
        EXPECT_EQ(image.pixel(at), first);
        EXPECT_EQ(image.pixel(at + step), second);
    };
    for (const QPoint at : horizontal)
        check(at, QPoint(0, 1));
    for (const QPoint at : vertical)
        check(at, QPoint(1, 0));
}

} // namespace testsupport
