#pragma once
// The range grid on screen: the 13x13 hands as the strategy chart lays them
// out, a held cell filled from the bottom to the height of its weight, a
// partial cell marked in its corner. Mouse and keys go to the model; the
// grid draws only what the model holds.

#include <QRect>
#include <QWidget>

#include "window/cards/RangePickerModel.h"

namespace window::cards {

class RangeGridView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellWidth = 44;
    static constexpr int kCellHeight = 34;

    explicit RangeGridView(RangePickerModel& model, QWidget* parent = nullptr);

    QRect cellRect(int cell) const;
    // The cell under a point, or -1 off the grid.
    int cellAt(QPoint point) const;
    QString toolTipFor(int cell) const;

    QSize sizeHint() const override;

signals:
    // The model's range changed through the grid.
    void edited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    void paintCell(QPainter& p, int cell) const;

    RangePickerModel& model_;
};

} // namespace window::cards
