#pragma once
// Fonts and pictures between a property bag's values and Qt's.

#include <QCursor>
#include <QFont>
#include <QImage>

#include "platform/propertybag/PropertyValue.h"

namespace platform::draw {

QFont toQFont(const FontDesc& font);
FontDesc toFontDesc(const QFont& font);

// A picture as an image; a null image for no picture or undecodable data.
QImage toQImage(const Picture& picture);
Picture toPicture(const QImage& image, int hotX = -1, int hotY = -1);

// A mouse pointer picture: the cursor of a picture, and back.
QCursor toQCursor(const Picture& picture);
Picture toPicture(const QCursor& cursor);

} // namespace platform::draw
