#pragma once
// Keeps a top-level window, its title bar and border included, within the
// available area of its screen. The window's content sits in a scroll area
// that fills the window: where the area is smaller than the content, the
// window takes the area's size and the content scrolls, as the main window's
// inner area does.
//
// The frame the desktop draws round a window is known only once the window
// is shown. Until then a title bar and border are assumed, and the window is
// fitted again each time the real frame turns out different.

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <optional>

class QScrollArea;
class QWidget;

namespace platform::qt {

// `frame` moved, and shrunk where it is larger, so that it lies within
// `available`. An empty area leaves the frame as it is.
QRect frameWithin(const QRect& frame, const QRect& available);

// The size a window's inner area takes for content of `content` size in a
// frame of `margins` on an area of `available` size: the content's own size
// where it fits, else what the area leaves, with room for the scroll bar
// across the other way where there is room for it.
QSize fittedClientSize(QSize content, const QMargins& margins, QSize available, int scrollBarExtent);

// The frame assumed round a window the desktop has not framed yet.
QMargins assumedFrameMargins(const QWidget& window);

class ScreenFit final : public QObject {
    Q_OBJECT
public:
    enum class Sizing { Fixed, Resizable };

    // Moves `content` into a scroll area that fills `window` (which must have
    // no layout yet). A Fixed window keeps the content's size where it fits;
    // a Resizable one starts at it and may grow.
    ScreenFit(QWidget& window, QWidget& content, Sizing sizing);

    // Where the window's frame should go; fitted on the screen there. Without
    // a call the desktop chooses, and the window is only kept on the screen.
    void placeAt(QPoint frameTopLeft);
    // Fits the window to its screen now, with the frame known or assumed.
    void fit();

    QScrollArea& scrollArea() const noexcept { return *scroll_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMargins frameMargins() const;

    QWidget& window_;
    QWidget& content_;
    QScrollArea* scroll_;
    Sizing sizing_;
    std::optional<QPoint> wanted_;
    QMargins fittedWith_;
    bool fitting_ = false;
};

} // namespace platform::qt
