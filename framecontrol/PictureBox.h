#pragma once
// A child window that shows an image kept in memory, like a picture box that
// redraws itself: drawing goes to the image through its device context, a
// background picture (if any) shows where nothing is drawn, and Cls starts
// the image again from that picture or the background colour. It lets mouse
// events through to its parent.

#include <cstdint>

#include <QImage>
#include <QWidget>

#include "platform/draw/DeviceContext.h"

namespace framecontrol {

class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent);

    platform::draw::DeviceContext& hDC() noexcept { return dc_; }

    std::uint32_t BackColor() const noexcept { return backColor_; }
    void setBackColor(std::uint32_t oleColour);
    // Also the text colour of the device context.
    std::uint32_t ForeColor() const noexcept { return foreColor_; }
    void setForeColor(std::uint32_t oleColour);

    // The drawing area in pixels.
    int ScaleWidth() const noexcept { return width(); }
    int ScaleHeight() const noexcept { return height(); }

    void Cls();
    const QImage& Picture() const noexcept { return picture_; }
    void setPicture(const QImage& picture) { picture_ = picture; }
    // What the box shows now.
    QImage Image() const { return *image_; }

    // A filled box, edges included.
    void fillBox(const QRect& box, platform::draw::ColourRef colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitImage();

    platform::draw::Bitmap image_;
    platform::draw::DeviceContext dc_;
    QImage picture_;
    std::uint32_t backColor_ = 0x8000000F;
    std::uint32_t foreColor_ = 0x80000012;
};

} // namespace framecontrol
