#include "window/view/FormInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <algorithm>

#include "platform/form/Input.h"
#include "platform/qt/InputCodes.h"
#include "platform/text/Utf8.h"
#include "window/view/FocusNavigation.h"
#include "platform/form/TextEditing.h"
#include "window/view/TextMapping.h"

namespace window::view {

namespace {

using platform::ControlKind;

bool isClickable(const platform::Control& c)
{
    constexpr ControlKind clickable[] = {ControlKind::OptionButton, ControlKind::CheckBox, ControlKind::CommandButton,
                                         ControlKind::Label, ControlKind::Picture};
    return std::ranges::find(clickable, c.kind()) != std::end(clickable);
}

// Keys that only move the caret or extend the selection.
bool isCaretKey(int key)
{
    constexpr int caretKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,     Qt::Key_Down,
                                 Qt::Key_Home, Qt::Key_End,   Qt::Key_PageUp, Qt::Key_PageDown};
    return std::ranges::find(caretKeys, key) != std::end(caretKeys);
}

std::u32string codePoints(const QString& text)
{
    const QList<uint> ucs4 = text.toUcs4();
    return std::u32string(ucs4.begin(), ucs4.end());
}

} // namespace

FormInput::FormInput(platform::Form& form, const FormRenderer& renderer, Finder find,
                     const std::function<void(platform::Control&)>& mouseMoved, QObject* parent)
    : QObject(parent), form_(form), renderer_(renderer), find_(std::move(find)), mouseMoved_(mouseMoved)
{
}

void FormInput::syncSelection(Bound& b)
{
    if (renderer_.rendering() || !b.text || !b.text->widget()->hasFocus())
        return;
    auto& box = static_cast<platform::TextControl&>(*b.control);
    const TextMapping mapping(box.text(), isMultiLine(*b.control));
    const std::size_t start = mapping.toModel(b.text->selectionStart());
    const std::size_t end = mapping.toModel(b.text->selectionEnd());
    box.setSelection(start, end - start);
}

bool FormInput::eventFilter(QObject* watched, QEvent* event)
{
    Bound* b = find_(watched);
    if (!b)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        focusIn(*b, static_cast<const QFocusEvent&>(*event));
        return false;
    case QEvent::KeyPress:
        return keyPress(*b, static_cast<const QKeyEvent&>(*event));
    case QEvent::KeyRelease:
        return !b->text; // a button would click on the release of Space
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return mouse(*b, watched, static_cast<const QMouseEvent&>(*event));
    case QEvent::ContextMenu:
        if (b->text)
            contextMenu(*b, static_cast<const QContextMenuEvent&>(*event));
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return drop(*b, watched, static_cast<QDropEvent&>(*event));
    case QEvent::DragLeave:
        return true;
    case QEvent::InputMethod: {
        const auto& im = static_cast<const QInputMethodEvent&>(*event);
        if (b->text && !im.commitString().isEmpty()) {
            platform::InputScope scope(form_);
            auto& box = static_cast<platform::TextControl&>(*b->control);
            for (char32_t c : codePoints(im.commitString()))
                platform::input::keyPress(box, static_cast<int>(c));
        }
        return true;
    }
    case QEvent::Wheel:
        // The closed combo box would change its item; nothing else here scrolls
        // but the multi-line boxes.
        return !b->text || !b->text->multiLine();
    default:
        return false;
    }
}

void FormInput::focusIn(Bound& b, const QFocusEvent& event)
{
    if (renderer_.rendering())
        return;
    switch (event.reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
        break;
    default:
        return; // a menu, a popup, a dialog or the window's activation
    }
    if (form_.focus() == b.control)
        return;
    platform::input::moveFocus(*b.control);
}

bool FormInput::keyPress(Bound& b, const QKeyEvent& event)
{
    platform::InputScope scope(form_);
    const int code = platform::qt::keyCodeOf(event.key(), event.modifiers());
    if (code != 0 && platform::input::keyDown(form_, code, platform::qt::shiftOf(event.modifiers())) == 0)
        return true;

    const Qt::KeyboardModifiers chord = event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int key = event.key();
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !chord) {
        const bool backwards = key == Qt::Key_Backtab || (event.modifiers() & Qt::ShiftModifier);
        platform::Control* from = form_.focus() ? form_.focus() : b.control;
        if (platform::Control* next = nextTabStop(form_, from, backwards))
            platform::input::moveFocus(*next);
        return true;
    }
    if (b.text)
        return textKey(b, event);
    if (chord)
        return true;

    // Keys a button would act on by itself are the model's; others (Escape,
    // function keys) go on to the window.
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Select:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        break;
    default:
        return false;
    }
    platform::Control& c = *b.control;
    switch (c.kind()) {
    case ControlKind::OptionButton:
        if (key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down) {
            const bool backwards = key == Qt::Key_Left || key == Qt::Key_Up;
            platform::OptionButton& next = nextInGroup(static_cast<platform::OptionButton&>(c), backwards);
            platform::input::moveFocus(next);
            platform::input::click(next);
        } else if (key == Qt::Key_Space) {
            platform::input::click(c);
        }
        break;
    case ControlKind::CheckBox:
        if (key == Qt::Key_Space)
            platform::input::click(c);
        break;
    case ControlKind::CommandButton:
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
            platform::input::click(c);
        break;
    default:
        break;
    }
    return true;
}

bool FormInput::textKey(Bound& b, const QKeyEvent& event)
{
    auto& box = static_cast<platform::TextControl&>(*b.control);
    const Qt::KeyboardModifiers m = event.modifiers();
    const bool control = m & Qt::ControlModifier;
    const bool alt = m & (Qt::AltModifier | Qt::MetaModifier);
    const bool shift = m & Qt::ShiftModifier;
    const int key = event.key();

    if (box.kind() == ControlKind::ComboBox && !control) {
        if ((key == Qt::Key_Up || key == Qt::Key_Down) && !alt) {
            auto& combo = static_cast<platform::ComboBox&>(box);
            const int last = static_cast<int>(combo.items().size()) - 1;
            const int next = std::clamp(combo.listIndex() + (key == Qt::Key_Down ? 1 : -1), 0, std::max(last, 0));
            if (last >= 0 && next != combo.listIndex())
                platform::input::chooseItem(combo, next);
            return true;
        }
        if (key == Qt::Key_F4 || (alt && (key == Qt::Key_Up || key == Qt::Key_Down)))
            return false; // opens or closes the list
    }
    if (control && !alt) {
        if (key >= Qt::Key_A && key <= Qt::Key_Z) {
            controlChord(b, 1 + (key - Qt::Key_A));
            return true;
        }
        if (key == Qt::Key_Insert) {
            copy(box);
            return true;
        }
        return !isCaretKey(key); // Ctrl with an arrow, Home or End moves by words or to an end
    }
    if (alt)
        return true;
    switch (key) {
    case Qt::Key_Backspace:
        platform::input::backspace(box);
        return true;
    case Qt::Key_Delete:
        if (shift)
            cut(box);
        else
            platform::input::deleteForward(box);
        return true;
    case Qt::Key_Insert:
        if (shift)
            paste(box);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        platform::input::keyPress(box, platform::KeyReturn);
        return true;
    case Qt::Key_Escape:
        platform::input::keyPress(box, 27);
        return true;
    default:
        break;
    }
    if (isCaretKey(key))
        return false;
    for (char32_t c : codePoints(event.text()))
        if (!platform::utf8::isControl(c))
            platform::input::keyPress(box, static_cast<int>(c));
    return true;
}

// Ctrl+A, Ctrl+C, Ctrl+X and Ctrl+V are the desktop's editing commands in
// every box: they act before and apart from the box's key filter (a paste
// still brings its text through the filter and the limit). Any other Control
// and a letter types a control character (Ctrl+H is 8, Ctrl+Z 26) that the
// key filter sees first.
void FormInput::controlChord(Bound& b, int code)
{
    auto& box = static_cast<platform::TextControl&>(*b.control);
    switch (code) {
    case 1: // Ctrl+A
        box.setSelection(0, platform::utf8::length(box.text()));
        return;
    case 3: // Ctrl+C
        copy(box);
        return;
    case 22: // Ctrl+V
        paste(box);
        return;
    case 24: // Ctrl+X
        cut(box);
        return;
    case platform::KeyBackspace:
        platform::input::backspace(box);
        return;
    default:
        platform::input::keyPress(box, code);
        return;
    }
}

bool FormInput::mouse(Bound& b, QObject* watched, const QMouseEvent& event)
{
    if (b.text) {
        // Placing the caret and selecting are the widget's. The middle button
        // pastes the selection, filtered as any paste.
        if (event.button() != Qt::MiddleButton)
            return false;
        if (event.type() == QEvent::MouseButtonRelease && QGuiApplication::clipboard()->supportsSelection()) {
            platform::InputScope scope(form_);
            placeCaret(b, watched, event.position().toPoint());
            paste(static_cast<platform::TextControl&>(*b.control), true);
        }
        return true;
    }
    auto* button = qobject_cast<QAbstractButton*>(b.widget);
    switch (event.type()) {
    case QEvent::MouseMove:
        if (mouseMoved_ && !pressed_) {
            platform::InputScope scope(form_);
            mouseMoved_(*b.control);
        }
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (event.button() == Qt::LeftButton && isClickable(*b.control)) {
            pressed_ = b.control;
            if (button)
                button->setDown(true);
        }
        return true;
    case QEvent::MouseButtonRelease:
        if (event.button() == Qt::LeftButton && pressed_ == b.control) {
            pressed_ = nullptr;
            if (button)
                button->setDown(false);
            if (b.widget->rect().contains(event.position().toPoint()))
                platform::input::click(*b.control);
        }
        return true;
    default:
        return true;
    }
}

void FormInput::placeCaret(Bound& b, QObject* watched, QPoint point)
{
    // The multi-line box measures from its viewport, the field from itself.
    QWidget* measured = b.text->widget();
    if (auto* multi = qobject_cast<QPlainTextEdit*>(measured))
        measured = multi->viewport();
    const QPoint local = measured->mapFromGlobal(static_cast<QWidget*>(watched)->mapToGlobal(point));
    auto& box = static_cast<platform::TextControl&>(*b.control);
    const TextMapping mapping(box.text(), isMultiLine(*b.control));
    box.setSelection(mapping.toModel(b.text->positionAt(local)), 0);
}

void FormInput::contextMenu(Bound& b, const QContextMenuEvent& event)
{
    auto& box = static_cast<platform::TextControl&>(*b.control);
    const bool selected = box.selLength() > 0;
    const bool clipboardHasText = !QGuiApplication::clipboard()->text().isEmpty();
    QMenu menu(b.widget);
    QAction* cutAction = menu.addAction(tr("Cu&t"));
    QAction* copyAction = menu.addAction(tr("&Copy"));
    QAction* pasteAction = menu.addAction(tr("&Paste"));
    QAction* deleteAction = menu.addAction(tr("&Delete"));
    menu.addSeparator();
    QAction* selectAllAction = menu.addAction(tr("Select &All"));
    cutAction->setEnabled(selected);
    copyAction->setEnabled(selected);
    deleteAction->setEnabled(selected);
    pasteAction->setEnabled(clipboardHasText);
    selectAllAction->setEnabled(!box.text().empty());

    QAction* chosen = menu.exec(event.globalPos());
    if (!chosen)
        return;
    platform::InputScope scope(form_);
    if (chosen == cutAction)
        cut(box);
    else if (chosen == copyAction)
        copy(box);
    else if (chosen == pasteAction)
        paste(box);
    else if (chosen == deleteAction)
        platform::input::deleteForward(box);
    else if (chosen == selectAllAction)
        box.setSelection(0, platform::utf8::length(box.text()));
}

bool FormInput::drop(Bound& b, QObject* watched, QDropEvent& event)
{
    if (!b.text || !event.mimeData()->hasText()) {
        event.ignore();
        return true;
    }
    // Dropped text is copied in, never moved: the place it came from keeps it.
    event.setDropAction(Qt::CopyAction);
    event.accept();
    if (event.type() != QEvent::Drop)
        return true;
    platform::InputScope scope(form_);
    placeCaret(b, watched, event.position().toPoint());
    platform::input::typeText(static_cast<platform::TextControl&>(*b.control), codePoints(event.mimeData()->text()));
    return true;
}

void FormInput::copy(const platform::TextControl& box) const
{
    if (box.selLength() == 0)
        return;
    QGuiApplication::clipboard()->setText(TextMapping(platform::input::selectedText(box), isMultiLine(box)).display());
}

void FormInput::cut(platform::TextControl& box)
{
    if (box.selLength() == 0)
        return;
    copy(box);
    platform::input::deleteRange(box, box.selStart(), box.selLength());
}

void FormInput::paste(platform::TextControl& box, bool selectionClipboard)
{
    const QString text = QGuiApplication::clipboard()->text(selectionClipboard ? QClipboard::Selection
                                                                                : QClipboard::Clipboard);
    platform::input::typeText(box, codePoints(text));
}

} // namespace window::view
