#pragma once
// Paints the strategy chart: a title, the 13x13 grid of hands coloured by what
// to do, and the legend. Used by the chart window and for pictures.

#include <QColor>
#include <QRect>
#include <QString>

#include "engine/Chart.h"

class QPainter;

namespace window {

struct ChartGeometry {
    int cellWidth = 56;
    int cellHeight = 42;
    int margin = 16;
    int titleHeight = 36;
    int legendHeight = 120;

    QRect gridRect() const { return {margin, margin + titleHeight, cellWidth * 13, cellHeight * 13}; }
    QRect cellRect(int row, int column) const
    {
        const QRect g = gridRect();
        return {g.left() + column * cellWidth, g.top() + row * cellHeight, cellWidth, cellHeight};
    }
    QSize totalSize() const
    {
        return {margin * 2 + cellWidth * 13, margin * 2 + titleHeight + cellHeight * 13 + legendHeight};
    }
    // The cell under a point, or -1.
    int cellAt(QPoint p) const;
};

QColor betClassColour(engine::BetClass c);
QColor betClassTextColour(engine::BetClass c);

// `selected` is a cell index to outline (the keyboard's cell), or -1.
void paintChart(QPainter& painter, const engine::Chart& chart, const QString& title, const ChartGeometry& geometry,
                int selected = -1);

// Writes the chart as a PNG picture; false when the file cannot be written.
bool saveChartPng(const engine::Chart& chart, const QString& title, const QString& path);

} // namespace window
