#pragma once
// Start-up timing for the benchmarks: once a window has painted for the first
// time, writes the moment (CLOCK_MONOTONIC nanoseconds) on a line of stdout
// and ends the event loop.

#include <QObject>

namespace window::view {

class FirstPaintProbe : public QObject {
    Q_OBJECT

public:
    // When the variable TABLEWISE_FIRST_PAINT_PROBE is set, watches `window`.
    static void installIfAsked(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    bool seen_ = false;
};

} // namespace window::view
