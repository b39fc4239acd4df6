#pragma once
// The player's two cards, drawn as the card windows draw cards.

#include <QWidget>
#include <optional>

#include "engine/cards/HoleCards.h"

namespace window::practice {

class HoleCardsView : public QWidget {
    Q_OBJECT
public:
    explicit HoleCardsView(QWidget* parent = nullptr);

    void setCards(std::optional<engine::cards::HoleCards> cards);
    const std::optional<engine::cards::HoleCards>& cards() const { return cards_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<engine::cards::HoleCards> cards_;
};

} // namespace window::practice
