#include "platform/qt/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace platform::qt {

namespace {

// Some desktops report the frame a little after the window is shown, with
// no move of the window to tell.
constexpr int kLateFrameCheckMs = 300;

QSize marginsSize(const QMargins& m)
{
    return {m.left() + m.right(), m.top() + m.bottom()};
}

} // namespace

QRect frameWithin(const QRect& frame, const QRect& available)
{
    if (available.isEmpty())
        return frame;
    const QSize size = frame.size().boundedTo(available.size());
    const int x = std::clamp(frame.x(), available.left(), available.left() + available.width() - size.width());
    const int y = std::clamp(frame.y(), available.top(), available.top() + available.height() - size.height());
    return {QPoint(x, y), size};
}

QSize fittedClientSize(QSize content, const QMargins& margins, QSize available, int scrollBarExtent)
{
    const QSize room = (available - marginsSize(margins)).expandedTo(QSize(1, 1));
    QSize client = content;
    if (client.height() > room.height()) {
        client.setHeight(room.height());
        client.rwidth() += scrollBarExtent;
    }
    if (client.width() > room.width()) {
        client.setWidth(room.width());
        if (content.height() <= room.height())
            client.rheight() += scrollBarExtent;
    }
    return client.boundedTo(room);
}

QMargins assumedFrameMargins(const QWidget& window)
{
    // A title bar of about two lines of the window's text, as desktops draw
    // theirs, and a thin border.
    const int line = window.fontMetrics().height();
    const int titleBar = std::max(window.style()->pixelMetric(QStyle::PM_TitleBarHeight), 2 * line) + 4;
    return {4, titleBar, 4, 4};
}

ScreenFit::ScreenFit(QWidget& window, QWidget& content, Sizing sizing)
    : QObject(&window), window_(window), content_(content), scroll_(new QScrollArea(&window)), sizing_(sizing)
{
    scroll_->setFrameShape(QFrame::NoFrame);
    // The window's controls keep the focus: the scroll area is no stop of its own.
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(true);
    // The window's own background shows round and behind the content.
    scroll_->viewport()->setAutoFillBackground(false);
    content_.setAutoFillBackground(false);
    scroll_->setWidget(&content_);
    auto* layout = new QVBoxLayout(&window_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    window_.installEventFilter(this);
    fit();
}

void ScreenFit::placeAt(QPoint frameTopLeft)
{
    wanted_ = frameTopLeft;
    fit();
}

QMargins ScreenFit::frameMargins() const
{
    if (!window_.isVisible())
        return assumedFrameMargins(window_);
    const QRect frame = window_.frameGeometry();
    const QRect client = window_.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

void ScreenFit::fit()
{
    if (fitting_)
        return;
    fitting_ = true;
    const QMargins margins = frameMargins();
    fittedWith_ = margins;
    QScreen* screen = wanted_ ? QGuiApplication::screenAt(*wanted_) : nullptr;
    if (!screen)
        screen = window_.screen();
    if (!screen) {
        fitting_ = false;
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize content = content_.sizeHint()
                              .expandedTo(content_.minimumSizeHint())
                              .expandedTo(content_.minimumSize())
                              .expandedTo(QSize(1, 1));
    const int bar = scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_);
    QSize client = fittedClientSize(content, margins, available.size(), bar);
    const QSize room = available.size() - marginsSize(margins);

    if (sizing_ == Sizing::Fixed) {
        if (client == content) {
            window_.setFixedSize(client);
        } else {
            window_.setMinimumSize(0, 0);
            window_.setMaximumSize(content + QSize(bar, bar));
        }
    } else {
        window_.setMaximumSize(room.expandedTo(QSize(1, 1)));
        // A window the user made larger than its content keeps its size while
        // it fits.
        if (window_.isVisible())
            client = window_.size().expandedTo(client).boundedTo(room);
    }

    if (wanted_) {
        const QRect frame = frameWithin(QRect(*wanted_, client.grownBy(margins)), available);
        window_.setGeometry(frame.marginsRemoved(margins));
    } else {
        // Where the desktop put the window it stays, unless that is off the
        // area.
        window_.resize(client);
        const QRect frame(window_.frameGeometry().topLeft(), client.grownBy(margins));
        if (window_.isVisible() && !available.contains(frame))
            window_.setGeometry(frameWithin(frame, available).marginsRemoved(margins));
    }
    fitting_ = false;
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &window_)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        fit();
        QTimer::singleShot(kLateFrameCheckMs, this, [this] {
            if (window_.isVisible() && frameMargins() != fittedWith_)
                fit();
        });
        break;
    case QEvent::Move:
    case QEvent::Resize:
        // The desktop has framed the window since it was fitted.
        if (!fitting_ && window_.isVisible() && frameMargins() != fittedWith_)
            QTimer::singleShot(0, this, [this] { fit(); });
        break;
    case QEvent::ScreenChangeInternal:
        QTimer::singleShot(0, this, [this] { fit(); });
        break;
    default:
        break;
    }
    return false;
}

} // namespace platform::qt
