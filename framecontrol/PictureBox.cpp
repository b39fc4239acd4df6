#include "framecontrol/PictureBox.h"

#include <QPainter>
#include <QResizeEvent>

#include "framecontrol/TranslateColor.h"

namespace framecontrol {

using platform::draw::toQColor;

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), image_(std::make_shared<QImage>()), dc_(image_)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    dc_.setBackgroundMode(platform::draw::TRANSPARENT);
    dc_.selectFont(font());
    dc_.setTextColour(TranslateColor(foreColor_));
}

void PictureBox::setBackColor(std::uint32_t oleColour)
{
    backColor_ = oleColour;
    dc_.setBackgroundColour(TranslateColor(oleColour));
}

void PictureBox::setForeColor(std::uint32_t oleColour)
{
    foreColor_ = oleColour;
    dc_.setTextColour(TranslateColor(oleColour));
}

// The image follows the box's size, keeping what it shows (a hidden box gets
// its resize events late, so Cls fits the image too).
void PictureBox::fitImage()
{
    if (image_->size() == size())
        return;
    if (size().isEmpty()) {
        *image_ = QImage();
        return;
    }
    QImage resized(size(), QImage::Format_RGB32);
    resized.fill(toQColor(TranslateColor(backColor_)));
    if (!image_->isNull()) {
        QPainter painter(&resized);
        painter.drawImage(QPoint(0, 0), *image_);
    }
    *image_ = std::move(resized);
}

void PictureBox::Cls()
{
    fitImage();
    if (image_->isNull())
        return;
    if (!picture_.isNull() && picture_.size() == image_->size()) {
        *image_ = picture_.convertToFormat(QImage::Format_RGB32);
        return;
    }
    image_->fill(toQColor(TranslateColor(backColor_)));
    if (!picture_.isNull()) {
        QPainter painter(image_.get());
        painter.drawImage(QPoint(0, 0), picture_);
    }
}

void PictureBox::fillBox(const QRect& box, platform::draw::ColourRef colour)
{
    if (image_->isNull())
        return;
    QPainter painter(image_.get());
    painter.fillRect(box, toQColor(colour));
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), *image_);
}

void PictureBox::resizeEvent(QResizeEvent*)
{
    fitImage();
}

void PictureBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        dc_.selectFont(font());
    QWidget::changeEvent(event);
}

} // namespace framecontrol
