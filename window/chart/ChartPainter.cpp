#include "window/chart/ChartPainter.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace window {

int ChartGeometry::cellAt(QPoint p) const
{
    const QRect g = gridRect();
    if (!g.contains(p))
        return -1;
    const int column = (p.x() - g.left()) / cellWidth;
    const int row = (p.y() - g.top()) / cellHeight;
    return row * 13 + column;
}

QColor betClassColour(engine::BetClass c)
{
    switch (c) {
    case engine::BetClass::Raise: return {0xc0, 0x39, 0x2b};
    case engine::BetClass::Call: return {0xd4, 0xa0, 0x17};
    case engine::BetClass::Fold: return {0x5f, 0x6b, 0x66};
    case engine::BetClass::Advice: break;
    }
    return {0x2e, 0x6f, 0xb5};
}

QColor betClassTextColour(engine::BetClass c)
{
    return c == engine::BetClass::Call ? QColor(Qt::black) : QColor(Qt::white);
}

void paintChart(QPainter& p, const engine::Chart& chart, const QString& title, const ChartGeometry& g, int selected)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(QPoint(0, 0), g.totalSize()), QColor(5, 124, 19));

    QFont titleFont("Liberation Sans");
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.setPen(Qt::white);
    p.drawText(QRect(g.margin, g.margin, g.cellWidth * 13, g.titleHeight), Qt::AlignLeft | Qt::AlignVCenter, title);

    QFont handFont("Liberation Sans");
    handFont.setPixelSize(14);
    handFont.setBold(true);
    QFont groupFont("Liberation Sans");
    groupFont.setPixelSize(11);
    for (int i = 0; i < engine::kHandCount; ++i) {
        const engine::ChartCell& c = chart.cells[static_cast<std::size_t>(i)];
        const QRect r = g.cellRect(i / 13, i % 13);
        p.fillRect(r, betClassColour(c.betClass));
        p.setPen(QColor(0, 60, 10));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(betClassTextColour(c.betClass));
        p.setFont(handFont);
        p.drawText(r.adjusted(0, 3, 0, -r.height() / 2), Qt::AlignHCenter | Qt::AlignBottom, QString::fromStdString(c.hand));
        p.setFont(groupFont);
        const std::string_view groupText = engine::groupText(c.group);
        const QString group = c.group == engine::HandGroup::NotRanked
            ? QStringLiteral("-")
            : QString::fromUtf8(groupText.data(), static_cast<qsizetype>(groupText.size()));
        p.drawText(r.adjusted(0, r.height() / 2, 0, -3), Qt::AlignHCenter | Qt::AlignTop, group);
    }
    if (selected >= 0 && selected < engine::kHandCount) {
        p.setPen(QPen(Qt::white, 3));
        p.drawRect(g.cellRect(selected / 13, selected % 13).adjusted(1, 1, -2, -2));
    }

    QFont legendFont("Liberation Sans");
    legendFont.setPixelSize(13);
    p.setFont(legendFont);
    const int top = g.gridRect().bottom() + 12;
    int y = top;
    for (engine::BetClass c : {engine::BetClass::Raise, engine::BetClass::Call, engine::BetClass::Fold,
                               engine::BetClass::Advice}) {
        p.fillRect(QRect(g.margin, y + 2, 14, 14), betClassColour(c));
        p.setPen(Qt::white);
        p.drawText(QRect(g.margin + 22, y, g.cellWidth * 13 - 22, 18), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8(engine::betClassDescription(c).data(),
                                     static_cast<int>(engine::betClassDescription(c).size())));
        y += 20;
    }
    p.drawText(QRect(g.margin, y + 4, g.cellWidth * 13, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Groups 1 (strongest) to 8, - not ranked. Suited hands above the pairs, offsuit below."));
    p.restore();
}

bool saveChartPng(const engine::Chart& chart, const QString& title, const QString& path)
{
    const ChartGeometry g;
    QImage image(g.totalSize(), QImage::Format_RGB32);
    QPainter painter(&image);
    paintChart(painter, chart, title, g);
    painter.end();
    // Encoded in memory first: the PNG writer leaks its row buffer when the
    // file fails under it, and a failed file then leaves nothing half written.
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(png) == png.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

} // namespace window
