#include "window/cards/CardGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "window/cards/CardFace.h"

namespace window::cards {

namespace {

using engine::cards::Card;

constexpr int kCellWidth = 34;
constexpr int kCellHeight = 44;
constexpr int kGap = 4;
constexpr int kColumns = engine::cards::kRankCount;
constexpr int kRows = engine::cards::kSuitCount;

// Columns run from the ace down to the two.
int columnOf(Card c)
{
    return engine::cards::kAce - c.rank();
}

QChar boxLetter(CardBox box)
{
    static constexpr char letters[] = {'H', 'F', 'T', 'R', 'D'};
    return QChar(letters[static_cast<std::size_t>(box)]);
}

} // namespace

CardGrid::CardGrid(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(sizeHint());
    setAccessibleName(tr("Card grid"));
}

QSize CardGrid::sizeHint() const
{
    return {kColumns * (kCellWidth + kGap) + kGap, kRows * (kCellHeight + kGap) + kGap};
}

void CardGrid::setOwners(const Owners& owners)
{
    if (owners == owners_)
        return;
    owners_ = owners;
    update();
}

void CardGrid::setCurrent(Card card)
{
    if (card == current_)
        return;
    current_ = card;
    update();
}

QRect CardGrid::cellRect(Card card) const
{
    return {kGap + columnOf(card) * (kCellWidth + kGap), kGap + card.suit() * (kCellHeight + kGap), kCellWidth,
            kCellHeight};
}

std::optional<Card> CardGrid::cardAt(QPoint point) const
{
    const int column = (point.x() - kGap) / (kCellWidth + kGap);
    const int row = (point.y() - kGap) / (kCellHeight + kGap);
    if (point.x() < kGap || point.y() < kGap || column >= kColumns || row >= kRows)
        return std::nullopt;
    const Card card(engine::cards::kAce - column, row);
    if (!cellRect(card).contains(point))
        return std::nullopt;
    return card;
}

void CardGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.setRenderHint(QPainter::Antialiasing);
    for (int index = 0; index < engine::cards::kCardCount; ++index)
        paintCard(p, Card::fromIndex(index));
}

void CardGrid::paintCard(QPainter& p, Card card) const
{
    const QRectF cell = QRectF(cellRect(card)).adjusted(0.5, 0.5, -0.5, -0.5);
    const auto owner = owners_[static_cast<std::size_t>(card.index())];
    paintCardFace(p, cell, card, owner.has_value());

    if (owner) {
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(10);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(cell.adjusted(2, 1, -3, 0), Qt::AlignRight | Qt::AlignTop, boxLetter(*owner));
    }
    if (hasFocus() && card == current_) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 215, 0), 3));
        p.drawRoundedRect(cell.adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    }
}

void CardGrid::mousePressEvent(QMouseEvent* event)
{
    const auto card = cardAt(event->position().toPoint());
    if (!card || event->button() != Qt::LeftButton)
        return;
    setCurrent(*card);
    emit picked(*card);
}

void CardGrid::keyPressEvent(QKeyEvent* event)
{
    int column = columnOf(current_);
    int row = current_.suit();
    switch (event->key()) {
    case Qt::Key_Left: column = std::max(0, column - 1); break;
    case Qt::Key_Right: column = std::min(kColumns - 1, column + 1); break;
    case Qt::Key_Up: row = std::max(0, row - 1); break;
    case Qt::Key_Down: row = std::min(kRows - 1, row + 1); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: emit picked(current_); return;
    default: QWidget::keyPressEvent(event); return;
    }
    setCurrent(Card(engine::cards::kAce - column, row));
}

void CardGrid::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void CardGrid::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

} // namespace window::cards
