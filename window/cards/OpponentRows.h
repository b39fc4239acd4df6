#pragma once
// A row per opponent under the cards window's opponents box: the range it
// holds typed (blank for a random hand), a button that opens the range grid
// for it, and what is wrong with the text. Only the opponents in play show.

#include <QWidget>
#include <array>

#include "window/cards/CardsInput.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace window::cards {

class OpponentRows : public QWidget {
    Q_OBJECT
public:
    explicit OpponentRows(QWidget* parent = nullptr);

    QLineEdit* rangeBox(int opponent) const { return rows_[static_cast<std::size_t>(opponent)].range; }
    QPushButton* gridButton(int opponent) const { return rows_[static_cast<std::size_t>(opponent)].grid; }
    QLabel* messageOf(int opponent) const { return rows_[static_cast<std::size_t>(opponent)].message; }

    // Shows the first `count` rows.
    void showRows(int count);
    // Mirrors the model: the text (left alone when it already reads so, to
    // keep the caret) and its message.
    void setRow(int opponent, const QString& text, const QString& message);

signals:
    void rangeEdited(int opponent, const QString& text);
    void gridAsked(int opponent);

private:
    struct Row {
        QLabel* caption = nullptr;
        QLineEdit* range = nullptr;
        QPushButton* grid = nullptr;
        QLabel* message = nullptr;
    };
    std::array<Row, kMaxOpponents> rows_;
};

} // namespace window::cards
