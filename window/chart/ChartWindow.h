#pragma once
// The strategy chart window: all 169 hands for one pre-flop situation at a
// glance. It follows the main window's action, position, limpers and big
// blind, has selectors of its own, and enters a picked cell with its whole
// situation in the main window as a player would.

#include <QWidget>

#include "engine/Chart.h"
#include "window/chart/ChartPainter.h"

class QComboBox;
class QLineEdit;

namespace window {

class FrmPoker;
class ChartGrid;
class LimperSpinBox;

class ChartWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChartWindow(FrmPoker& frm, QWidget* parent = nullptr);
    ~ChartWindow() override;

    const engine::Chart& chart() const { return chart_; }
    engine::ChartSituation situation() const;

    // Takes the main window's current situation into the selectors (what
    // the main window has not chosen stays as the selectors have it).
    void followMainWindow();
    // Enters a cell, with the situation the chart shows, in the main window.
    void pick(int cell);

signals:
    // F1, from whichever of the chart's controls has the focus.
    void helpRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void recompute();

    FrmPoker& frm_;
    int inputDoneConnection_ = 0;
    engine::Chart chart_;
    QComboBox* action_;
    QComboBox* position_;
    LimperSpinBox* limpers_;
    QLineEdit* bigBlind_;
    ChartGrid* grid_;
};

// The grid itself: paints the chart, shows a cell's bet and the first
// sentence of its advice on hover, moves a selection with the arrow keys and
// picks with a click or Enter.
class ChartGrid : public QWidget {
    Q_OBJECT
public:
    explicit ChartGrid(const engine::Chart& chart, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    int selected() const { return selected_; }
    void setSelected(int cell);
    QString toolTipFor(int cell) const;
    const ChartGeometry& geometry() const { return geometry_; }

    QSize sizeHint() const override;

signals:
    void picked(int cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    const engine::Chart& chart_;
    ChartGeometry geometry_;
    QString title_;
    int selected_ = 0;
};

} // namespace window
