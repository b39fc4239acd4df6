#include "window/view/FormBinding.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/form/Input.h"

namespace window::view {

FormBinding::FormBinding(platform::Form& form, QObject* parent)
    : QObject(parent), form_(form), renderer_(form, bound_),
      input_(form, renderer_, [this](const QObject* object) { return find(object); }, mouseMoved)
{
}

FormBinding::~FormBinding() = default;

void FormBinding::bind(platform::Control& control, QWidget& widget)
{
    auto owned = std::make_unique<BoundControl>(BoundControl{&control, &widget, std::nullopt});
    BoundControl& b = *owned;
    bound_.push_back(std::move(owned));
    widget.installEventFilter(&input_);

    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        b.text.emplace(edit);
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(&widget)) {
        b.text.emplace(multi);
        multi->viewport()->installEventFilter(&input_);
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        if (QLineEdit* field = combo->lineEdit()) {
            b.text.emplace(field);
            field->installEventFilter(&input_);
        }
        connect(combo, &QComboBox::activated, this, [this, &b](int index) {
            platform::input::chooseItem(static_cast<platform::ComboBox&>(*b.control), index);
        });
    }
    if (!b.text)
        return;
    // The caret and the selection are the user's to move; the model hears of
    // it. A change of text that did not come from the model is undone.
    QWidget* textWidget = b.text->widget();
    if (auto* edit = qobject_cast<QLineEdit*>(textWidget)) {
        connect(edit, &QLineEdit::cursorPositionChanged, this, [this, &b] { input_.syncSelection(b); });
        connect(edit, &QLineEdit::selectionChanged, this, [this, &b] { input_.syncSelection(b); });
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!renderer_.rendering())
                QMetaObject::invokeMethod(this, &FormBinding::render, Qt::QueuedConnection);
        });
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(textWidget)) {
        connect(multi, &QPlainTextEdit::cursorPositionChanged, this, [this, &b] { input_.syncSelection(b); });
        connect(multi, &QPlainTextEdit::selectionChanged, this, [this, &b] { input_.syncSelection(b); });
        connect(multi, &QPlainTextEdit::textChanged, this, [this] {
            if (!renderer_.rendering())
                QMetaObject::invokeMethod(this, &FormBinding::render, Qt::QueuedConnection);
        });
    }
}

BoundControl* FormBinding::find(const QObject* object) const
{
    const auto* w = qobject_cast<const QWidget*>(object);
    for (const auto& b : bound_) {
        if (b->widget == object)
            return b.get();
        if (b->text && w && (b->text->widget() == w || b->text->widget()->isAncestorOf(w)))
            return b.get();
    }
    return nullptr;
}

QWidget* FormBinding::widgetOf(const platform::Control& control) const
{
    for (const auto& b : bound_)
        if (b->control == &control)
            return b->widget;
    return nullptr;
}

platform::Control* FormBinding::controlOf(const QObject* object) const
{
    const BoundControl* b = find(object);
    return b ? b->control : nullptr;
}

void FormBinding::render()
{
    renderer_.render();
}

} // namespace window::view
