#pragma once
// A white canvas with a device context, and ways to look at its pixels.

#include <memory>
#include <string>

#include <QImage>

#include "platform/draw/DeviceContext.h"

namespace drawtest {

inline constexpr QRgb kWhite = 0xFFFFFFFF;

struct Canvas {
    explicit Canvas(int width = 40, int height = 30)
        : image(std::make_shared<QImage>(width, height, QImage::Format_RGB32)), dc(image)
    {
        image->fill(Qt::white);
    }
    QRgb at(int x, int y) const { return image->pixel(x, y); }
    // "#" for pixels of the colour, "." for others, along a row or column.
    std::string row(int y, QRgb colour, int from = 0, int to = -1) const
    {
        std::string out;
        for (int x = from; x < (to < 0 ? image->width() : to); ++x)
            out += image->pixel(x, y) == colour ? '#' : '.';
        return out;
    }
    std::string column(int x, QRgb colour, int from = 0, int to = -1) const
    {
        std::string out;
        for (int y = from; y < (to < 0 ? image->height() : to); ++y)
            out += image->pixel(x, y) == colour ? '#' : '.';
        return out;
    }

    platform::draw::Bitmap image;
    platform::draw::DeviceContext dc;
};

} // namespace drawtest
