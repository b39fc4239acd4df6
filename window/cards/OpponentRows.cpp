#include "window/cards/OpponentRows.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/qt/SystemPalette.h"

namespace window::cards {

OpponentRows::OpponentRows(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setVerticalSpacing(2);
    for (int i = 0; i < kMaxOpponents; ++i) {
        Row& row = rows_[static_cast<std::size_t>(i)];
        row.caption = new QLabel(tr("Opponent %1").arg(i + 1), this);
        row.range = new QLineEdit(this);
        row.range->setPlaceholderText(tr("random"));
        row.range->setMinimumWidth(200);
        row.range->setAccessibleName(tr("Range of opponent %1").arg(i + 1));
        row.caption->setBuddy(row.range);
        row.grid = new QPushButton(tr("Grid\u2026"), this);
        row.grid->setToolTip(tr("Pick the range of opponent %1 on the grid").arg(i + 1));
        // The desktop's colours, as the boxes draw with.
        row.grid->setPalette(platform::qt::systemPalette());
        row.message = new QLabel(this);
        row.message->setWordWrap(true);
        QPalette p = row.message->palette();
        p.setColor(QPalette::WindowText, QColor(255, 230, 128));
        row.message->setPalette(p);
        layout->addWidget(row.caption, i, 0);
        layout->addWidget(row.range, i, 1);
        layout->addWidget(row.grid, i, 2);
        layout->addWidget(row.message, i, 3);
        connect(row.range, &QLineEdit::textEdited, this, [this, i](const QString& text) { emit rangeEdited(i, text); });
        connect(row.grid, &QPushButton::clicked, this, [this, i] { emit gridAsked(i); });
    }
    layout->setColumnStretch(3, 1);
}

void OpponentRows::showRows(int count)
{
    for (int i = 0; i < kMaxOpponents; ++i) {
        const Row& row = rows_[static_cast<std::size_t>(i)];
        const bool shown = i < count;
        for (QWidget* w : {static_cast<QWidget*>(row.caption), static_cast<QWidget*>(row.range),
                           static_cast<QWidget*>(row.grid), static_cast<QWidget*>(row.message)})
            w->setVisible(shown);
    }
}

void OpponentRows::setRow(int opponent, const QString& text, const QString& message)
{
    const Row& row = rows_[static_cast<std::size_t>(opponent)];
    if (row.range->text() != text)
        row.range->setText(text);
    row.message->setText(message);
}

} // namespace window::cards
