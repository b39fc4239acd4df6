#pragma once
// One face for the two kinds of text widget a form shows: a one-line edit
// (also the field of the combo box) and a multi-line box. Positions are in
// the widget's own units (UTF-16, one unit a line break).

#include <QPoint>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace window::view {

class TextMapping;

class TextWidget {
public:
    explicit TextWidget(QLineEdit* edit) : line_(edit) {}
    explicit TextWidget(QPlainTextEdit* edit) : multi_(edit) {}

    QWidget* widget() const;
    bool multiLine() const noexcept { return multi_ != nullptr; }

    QString text() const;
    // The selection as start and end; start == end is the caret alone.
    int selectionStart() const;
    int selectionEnd() const;
    // Where a point falls in the text: a point of the field, or of the
    // multi-line box's viewport.
    int positionAt(QPoint point) const;

    // Shows a model text and selection. A changed text shows from its top,
    // unless the widget has the focus, where the caret stays in view.
    void show(const TextMapping& text, int selectionStart, int selectionEnd) const;

private:
    QLineEdit* line_ = nullptr;
    QPlainTextEdit* multi_ = nullptr;
};

} // namespace window::view
