#include "sheerpane/demo/TablePicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace sheerpanedemo {

namespace {

void paintChip(QPainter& painter, QPointF centre, double radius, const QColor& colour)
{
    painter.setPen(QPen(colour.darker(160), 1.5));
    painter.setBrush(colour);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(QPen(Qt::white, radius / 4, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius * 0.72, radius * 0.72);
}

void paintCard(QPainter& painter, const QRectF& card, double angle, const QString& face, const QColor& ink)
{
    painter.save();
    painter.translate(card.center());
    painter.rotate(angle);
    const QRectF box(-card.width() / 2, -card.height() / 2, card.width(), card.height());
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawRoundedRect(box, 6, 6);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(card.height() / 3));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(box, Qt::AlignCenter, face);
    painter.restore();
}

} // namespace

void paintTablePicture(QPainter& painter, const QRect& area, const std::pair<Card, Card>& cards)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, QColor(92, 58, 34)); // the wooden rim

    QRadialGradient felt(area.center(), area.width() * 0.7);
    felt.setColorAt(0, QColor(64, 168, 96));
    felt.setColorAt(1, QColor(18, 92, 48));
    painter.setPen(QPen(QColor(150, 110, 60), 6));
    painter.setBrush(felt);
    painter.drawRoundedRect(area.adjusted(14, 14, -14, -14), 60, 60);

    // The betting line.
    painter.setPen(QPen(QColor(230, 210, 140), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(area.center()), area.width() * 0.34, area.height() * 0.32);

    const double unit = area.width() / 48.0;
    const QColor chips[] = {QColor(200, 30, 40), QColor(30, 60, 190), QColor(20, 20, 20), QColor(230, 160, 20)};
    for (int i = 0; i < 11; ++i) {
        const QPointF at(area.left() + unit * (6 + (i * 37) % 38), area.top() + unit * (6 + (i * 23) % 32));
        paintChip(painter, at, unit * 1.6, chips[i % 4]);
    }
    paintCard(painter, QRectF(area.center().x() - unit * 6, area.center().y() - unit * 4, unit * 6, unit * 8.5), -8,
              cards.first.face, cards.first.ink);
    paintCard(painter, QRectF(area.center().x() + unit * 1, area.center().y() - unit * 4, unit * 6, unit * 8.5), 9,
              cards.second.face, cards.second.ink);
    painter.restore();
}

} // namespace sheerpanedemo
