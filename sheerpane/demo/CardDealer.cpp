#include "sheerpane/demo/CardDealer.h"

#include <algorithm>

namespace sheerpanedemo {

CardDealer::CardDealer()
{
    const QString ranks = QStringLiteral("AKQJT98765432");
    const std::pair<QChar, QColor> suits[] = {{QChar(0x2660), Qt::black},
                                              {QChar(0x2665), QColor(190, 20, 30)},
                                              {QChar(0x2666), QColor(190, 20, 30)},
                                              {QChar(0x2663), Qt::black}};
    for (const auto& [suit, ink] : suits)
        for (const QChar rank : ranks)
            deck_.push_back({QString(rank == QLatin1Char('T') ? QStringLiteral("10") : QString(rank)) + suit, ink});
    shuffle();
}

void CardDealer::shuffle()
{
    std::shuffle(deck_.begin(), deck_.end(), random_);
    next_ = 0;
}

std::pair<Card, Card> CardDealer::deal()
{
    if (next_ + 2 > deck_.size())
        shuffle();
    next_ += 2;
    return {deck_[next_ - 2], deck_[next_ - 1]};
}

} // namespace sheerpanedemo
