#include "window/practice/HoleCardsView.h"

#include <QPainter>

#include "window/cards/CardFace.h"

namespace window::practice {

namespace {

constexpr int kCardWidth = 60;
constexpr int kCardHeight = 84;
constexpr int kGap = 8;

} // namespace

HoleCardsView::HoleCardsView(QWidget* parent) : QWidget(parent)
{
    setFixedSize(sizeHint());
    setAccessibleName(tr("Your cards"));
}

QSize HoleCardsView::sizeHint() const
{
    return {2 * kCardWidth + 3 * kGap, kCardHeight + 2 * kGap};
}

void HoleCardsView::setCards(std::optional<engine::cards::HoleCards> cards)
{
    if (cards == cards_)
        return;
    cards_ = cards;
    setAccessibleDescription(cards ? QString::fromStdString(cards->text()) : QString());
    update();
}

void HoleCardsView::paintEvent(QPaintEvent*)
{
    if (!cards_)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF first(kGap + 0.5, kGap + 0.5, kCardWidth - 1, kCardHeight - 1);
    window::cards::paintCardFace(p, first, cards_->high);
    window::cards::paintCardFace(p, first.translated(kCardWidth + kGap, 0), cards_->low);
}

} // namespace window::practice
