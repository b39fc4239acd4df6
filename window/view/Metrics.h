#pragma once
// The designed units on this screen: twips (15 to a pixel at 96 dots per
// inch) become pixels, the designed faces become installed ones.
//
// Qt already scales whole windows on dense screens; `scale` covers screens
// whose logical density is not 96 dots per inch (a forced font DPI), so that
// text and controls grow together.

#include <QFont>
#include <QRect>

#include "platform/form/Control.h"
#include "window/model/Layout.h"

class QScreen;

namespace window::view {

class Metrics {
public:
    explicit Metrics(double scale = 1.0) : scale_(scale) {}
    // From the screen's logical dots per inch (the primary screen for null).
    static Metrics forScreen(const QScreen* screen);

    double scale() const noexcept { return scale_; }

    // Nearest pixel; a rectangle's edges are converted one by one, so that
    // controls that meet in twips still meet in pixels.
    int px(int twips) const;
    QRect rect(const platform::TwipRect& r) const;
    QSize size(int widthTwips, int heightTwips) const;

    // Liberation Sans for "MS Sans Serif" and "Arial", Liberation Serif for
    // "Times New Roman", at the pixel size the point size has at 96 dots per
    // inch, scaled.
    QFont font(const DesignedFont& designed) const;
    static QString familyFor(std::string_view designed);
    // The face of the program's menus and dialogs.
    static QFont applicationFont();

private:
    double scale_;
};

} // namespace window::view
