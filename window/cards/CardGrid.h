#pragma once
// The 52 cards as a grid to pick from: a row per suit (spades, hearts,
// diamonds, clubs), a column per rank from the ace down. A card in use shows
// greyed with the letter of the box that holds it. A click, or Space or
// Enter on the card the arrow keys moved to, picks it.

#include <QWidget>
#include <array>
#include <optional>

#include "engine/cards/Card.h"
#include "window/cards/CardsInput.h"

namespace window::cards {

class CardGrid : public QWidget {
    Q_OBJECT
public:
    using Owners = std::array<std::optional<CardBox>, engine::cards::kCardCount>;

    explicit CardGrid(QWidget* parent = nullptr);

    void setOwners(const Owners& owners);
    engine::cards::Card current() const { return current_; }
    void setCurrent(engine::cards::Card card);

    // The cell of a card, and the card under a point.
    QRect cellRect(engine::cards::Card card) const;
    std::optional<engine::cards::Card> cardAt(QPoint point) const;

    QSize sizeHint() const override;

signals:
    void picked(engine::cards::Card card);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintCard(QPainter& p, engine::cards::Card card) const;

    Owners owners_{};
    engine::cards::Card current_{engine::cards::kAce, 0};
};

} // namespace window::cards
