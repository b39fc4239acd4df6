#include "window/cards/RangeGridView.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/qt/QtText.h"
#include "window/chart/ChartPainter.h"

namespace window::cards {

namespace {

using platform::qt::toQString;

const QColor kBackground(5, 124, 19);
const QColor kCellBorder(0, 60, 10);
const QColor kEmptyCell(0x5f, 0x6b, 0x66);

// The shortest text that reads back to the same weight ("0.5", "0.25").
QString weightText(double weight)
{
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, weight);
    return ec == std::errc{} ? QString::fromLatin1(buffer, static_cast<int>(end - buffer)) : QStringLiteral("1");
}

QColor heldColour()
{
    return betClassColour(engine::BetClass::Raise);
}

QColor partialMarkColour()
{
    return betClassColour(engine::BetClass::Call);
}

} // namespace

RangeGridView::RangeGridView(RangePickerModel& model, QWidget* parent) : QWidget(parent), model_(model)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());
    setAccessibleName(tr("Range grid"));
}

QSize RangeGridView::sizeHint() const
{
    return {kCellWidth * 13, kCellHeight * 13};
}

QRect RangeGridView::cellRect(int cell) const
{
    return {(cell % 13) * kCellWidth, (cell / 13) * kCellHeight, kCellWidth, kCellHeight};
}

int RangeGridView::cellAt(QPoint point) const
{
    if (point.x() < 0 || point.y() < 0 || point.x() >= kCellWidth * 13 || point.y() >= kCellHeight * 13)
        return -1;
    return (point.y() / kCellHeight) * 13 + point.x() / kCellWidth;
}

QString RangeGridView::toolTipFor(int cell) const
{
    const RangeGridModel& grid = model_.grid();
    const QString hand = toQString(engine::handText(cell));
    const int held = grid.cellCombosHeld(cell);
    const int all = classComboCount(cell);
    QString line = QStringLiteral("<b>%1</b> &mdash; %2 of %3 combinations").arg(hand).arg(held).arg(all);
    if (held > 0)
        line += QStringLiteral(", weight %1").arg(weightText(grid.cellWeight(cell) * all / held));
    if (grid.cellPartial(cell))
        line += tr(" (in part)");
    return line;
}

void RangeGridView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    for (int cell = 0; cell < engine::kHandCount; ++cell)
        paintCell(p, cell);
    if (hasFocus()) {
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(cellRect(model_.grid().focusCell()).adjusted(1, 1, -2, -2));
    }
}

void RangeGridView::paintCell(QPainter& p, int cell) const
{
    const RangeGridModel& grid = model_.grid();
    const QRect r = cellRect(cell);
    p.fillRect(r, kEmptyCell);
    const double weight = grid.cellWeight(cell);
    if (weight > 0) {
        // At least a sliver, so a light weight still shows.
        const int height = std::max(3, static_cast<int>(weight * r.height() + 0.5));
        p.fillRect(QRect(r.left(), r.bottom() + 1 - height, r.width(), height), heldColour());
    }
    p.setPen(kCellBorder);
    p.drawRect(r.adjusted(0, 0, -1, -1));

    QFont handFont("Liberation Sans");
    handFont.setPixelSize(13);
    handFont.setBold(true);
    p.setFont(handFont);
    p.setPen(Qt::white);
    p.drawText(r.adjusted(0, 2, 0, -r.height() / 2 + 2), Qt::AlignHCenter | Qt::AlignBottom,
               toQString(engine::handText(cell)));
    const int held = grid.cellCombosHeld(cell);
    QString detail;
    if (grid.cellPartial(cell))
        detail = QStringLiteral("%1/%2").arg(held).arg(classComboCount(cell));
    else if (held > 0 && weight != 1)
        detail = weightText(std::round(weight * 100) / 100);
    if (!detail.isEmpty()) {
        QFont small("Liberation Sans");
        small.setPixelSize(10);
        p.setFont(small);
        p.drawText(r.adjusted(0, r.height() / 2 + 2, 0, -2), Qt::AlignHCenter | Qt::AlignTop, detail);
    }
    if (grid.cellPartial(cell)) {
        QPainterPath corner;
        corner.moveTo(r.right() - 9, r.top() + 1);
        corner.lineTo(r.right(), r.top() + 1);
        corner.lineTo(r.right(), r.top() + 10);
        corner.closeSubpath();
        p.fillPath(corner, partialMarkColour());
    }
}

void RangeGridView::mousePressEvent(QMouseEvent* event)
{
    const int cell = cellAt(event->position().toPoint());
    if (cell < 0 || event->button() != Qt::LeftButton)
        return;
    model_.editGrid([cell](RangeGridModel& g) { g.press(cell); });
    update();
    emit edited();
}

void RangeGridView::mouseMoveEvent(QMouseEvent* event)
{
    if (!model_.grid().dragging() || !(event->buttons() & Qt::LeftButton))
        return;
    // Beyond the edge the drag holds the nearest cell, as drawing programs do.
    const QPoint pt = event->position().toPoint();
    const int column = std::clamp(pt.x() / kCellWidth, 0, 12);
    const int row = std::clamp(pt.y() / kCellHeight, 0, 12);
    const int cell = row * 13 + column;
    const std::vector<int> before = model_.grid().editedCells();
    model_.editGrid([cell](RangeGridModel& g) { g.dragTo(cell); });
    if (model_.grid().editedCells() != before) {
        update();
        emit edited();
    }
}

void RangeGridView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        model_.endDrag();
}

void RangeGridView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: model_.moveFocus(0, -1); break;
    case Qt::Key_Right: model_.moveFocus(0, 1); break;
    case Qt::Key_Up: model_.moveFocus(-1, 0); break;
    case Qt::Key_Down: model_.moveFocus(1, 0); break;
    case Qt::Key_Space:
        model_.editGrid([](RangeGridModel& g) { g.toggleFocusCell(); });
        update();
        emit edited();
        return;
    default: QWidget::keyPressEvent(event); return;
    }
    update();
}

bool RangeGridView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int cell = cellAt(help->pos());
        if (cell < 0)
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), toolTipFor(cell), this, cellRect(cell));
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update();
    return QWidget::event(event);
}

} // namespace window::cards
