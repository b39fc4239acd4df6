#include "window/cards/CardFace.h"

#include <QPainter>
#include <algorithm>

namespace window::cards {

QString suitSymbol(int suit)
{
    static const char16_t symbols[] = {u'\u2660', u'\u2665', u'\u2666', u'\u2663'};
    return QString(QChar(symbols[suit]));
}

QString rankText(int rank)
{
    return rank == engine::cards::kTen ? QStringLiteral("10") : QString(QChar(engine::cards::rankChar(rank)));
}

void paintCardFace(QPainter& p, const QRectF& cell, engine::cards::Card card, bool greyed)
{
    const bool red = card.suit() == 1 || card.suit() == 2;
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(greyed ? QColor(150, 150, 150) : QColor(Qt::white));
    p.drawRoundedRect(cell, 4, 4);

    QColor ink = red ? QColor(200, 20, 20) : QColor(Qt::black);
    if (greyed)
        ink = ink.darker(150);
    QFont font = p.font();
    font.setBold(true);
    // The sign and rank grow with the card; the grid's cards are 44 high.
    font.setPixelSize(std::max(14, static_cast<int>(cell.height() * 14 / 44)));
    p.setFont(font);
    p.setPen(ink);
    const QRectF top(cell.left(), cell.top() + 3, cell.width(), cell.height() / 2 - 3);
    const QRectF bottom(cell.left(), cell.center().y(), cell.width(), cell.height() / 2 - 3);
    p.drawText(top, Qt::AlignCenter, rankText(card.rank()));
    p.drawText(bottom, Qt::AlignCenter, suitSymbol(card.suit()));
}

} // namespace window::cards
