#include "window/view/FormFrame.h"

#include <QPainter>
#include <QRegion>

namespace window::view {

namespace {

constexpr int kCaptionIndent = 8; // from the frame's left edge to the caption's gap
constexpr int kCaptionGap = 2;    // cleared on each side of the caption text

} // namespace

FormFrame::FormFrame(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
}

void FormFrame::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
}

void FormFrame::setBordered(bool bordered)
{
    bordered_ = bordered;
    update();
}

QRect FormFrame::captionRect() const
{
    if (!bordered_ || caption_.isEmpty())
        return {};
    const QFontMetrics fm(font());
    return QRect(kCaptionIndent, 0, fm.horizontalAdvance(caption_) + 2 * kCaptionGap, fm.height());
}

int FormFrame::borderTop() const
{
    return caption_.isEmpty() ? 0 : QFontMetrics(font()).height() / 2;
}

void FormFrame::paintEvent(QPaintEvent*)
{
    if (!bordered_)
        return;
    QPainter p(this);
    const int top = borderTop();
    const QRect r(0, top, width() - 1, height() - top - 1);
    const QRect caption = captionRect();
    // The border stops on each side of the caption.
    p.setClipRegion(QRegion(rect()).subtracted(caption));
    // Etched: a shadow line with a highlight line just inside and below it.
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(r.adjusted(1, 1, 0, 0));
    if (caption.isEmpty())
        return;
    p.setClipping(false);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(caption.adjusted(kCaptionGap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               caption_);
}

} // namespace window::view
