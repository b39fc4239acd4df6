#include "window/view/FormFrame.h"

#include <QPainter>
#include <QRegion>

#include "platform/qt/EtchedFrame.h"

namespace window::view {

namespace {

constexpr int kCaptionGap = 1; // cleared on each side of the caption text

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
    const platform::qt::EtchedFrameLayout layout = platform::qt::layOutEtchedFrame(width(), height(), 1, fm.height());
    return QRect(layout.captionLeft, layout.captionTop, fm.horizontalAdvance(caption_) + 2 * kCaptionGap,
                 fm.height());
}

void FormFrame::paintEvent(QPaintEvent*)
{
    if (!bordered_)
        return;
    QPainter p(this);
    const QRect caption = captionRect();
    // The border stops on each side of the caption.
    p.setClipRegion(QRegion(rect()).subtracted(caption));
    platform::qt::paintEtchedFrame(p, size(), caption.height(), palette().color(QPalette::Dark),
                                   palette().color(QPalette::Light));
    if (caption.isEmpty())
        return;
    p.setClipping(false);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(caption.adjusted(kCaptionGap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               caption_);
}

} // namespace window::view
