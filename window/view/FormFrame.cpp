#include "window/view/FormFrame.h"

#include <QChildEvent>
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
    updateSeeThroughMask();
    update();
}

void FormFrame::setBordered(bool bordered)
{
    bordered_ = bordered;
    updateSeeThroughMask();
    update();
}

void FormFrame::setSeeThrough(bool seeThrough)
{
    seeThrough_ = seeThrough;
    setAutoFillBackground(!seeThrough);
    updateSeeThroughMask();
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

void FormFrame::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    updateSeeThroughMask();
}

void FormFrame::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateSeeThroughMask();
}

void FormFrame::childEvent(QChildEvent* event)
{
    QWidget::childEvent(event);
    if (!seeThrough_ || !event->child()->isWidgetType())
        return;
    if (event->added())
        event->child()->installEventFilter(this);
    updateSeeThroughMask();
}

bool FormFrame::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (seeThrough_)
            updateSeeThroughMask();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FormFrame::updateSeeThroughMask()
{
    if (!seeThrough_) {
        clearMask();
        return;
    }
    // Built once the frame shows, with its controls in place.
    if (!isVisible())
        return;
    QRegion shown;
    if (bordered_) {
        const int top = borderTop();
        const QRect outer(0, top, width(), height() - top);
        shown += QRegion(outer).subtracted(QRegion(outer.adjusted(2, 2, -2, -2)));
        shown += captionRect();
    }
    for (const QObject* child : children()) {
        const auto* w = qobject_cast<const QWidget*>(child);
        if (w && !w->isHidden())
            shown += w->geometry();
    }
    // An empty mask would mean no mask at all: keep one pixel.
    setMask(shown.isEmpty() ? QRegion(0, 0, 1, 1) : shown);
}

} // namespace window::view
