#include "window/view/TextWidget.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include "window/view/TextMapping.h"

namespace window::view {

QWidget* TextWidget::widget() const
{
    return line_ ? static_cast<QWidget*>(line_) : static_cast<QWidget*>(multi_);
}

QString TextWidget::text() const
{
    return line_ ? line_->text() : multi_->toPlainText();
}

int TextWidget::selectionStart() const
{
    if (line_)
        return line_->hasSelectedText() ? line_->selectionStart() : line_->cursorPosition();
    return multi_->textCursor().selectionStart();
}

int TextWidget::selectionEnd() const
{
    if (line_)
        return line_->hasSelectedText() ? line_->selectionEnd() : line_->cursorPosition();
    return multi_->textCursor().selectionEnd();
}

int TextWidget::positionAt(QPoint point) const
{
    if (line_)
        return line_->cursorPositionAt(point);
    return multi_->cursorForPosition(point).position();
}

void TextWidget::show(const TextMapping& text, int start, int end) const
{
    if (line_) {
        if (line_->text() != text.display())
            line_->setText(text.display());
        if (selectionStart() == start && selectionEnd() == end)
            return;
        if (start == end)
            line_->setCursorPosition(start);
        else
            line_->setSelection(start, end - start);
        return;
    }
    QScrollBar* scroll = multi_->verticalScrollBar();
    const bool changed = multi_->toPlainText() != text.display();
    const int scrolledTo = scroll->value();
    if (changed)
        multi_->setPlainText(text.display());
    if (changed || selectionStart() != start || selectionEnd() != end) {
        QTextCursor cursor(multi_->document());
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        multi_->setTextCursor(cursor);
    }
    if (multi_->hasFocus()) {
        scroll->setValue(changed ? scrolledTo : scroll->value());
        multi_->ensureCursorVisible();
    } else if (changed) {
        scroll->setValue(0);
    } else {
        scroll->setValue(scrolledTo);
    }
}

} // namespace window::view
