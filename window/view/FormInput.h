#pragma once
// Turns what the user does on the bound widgets into the form model's input:
// an event filter on every bound widget takes keys, clicks, focus moves,
// pastes and drops, hands them to the input API and swallows them. Only
// moving the caret and selecting text stay with the text widgets, which tell
// the model where the user left them.
//
// Focus moves count for the model only between two controls of the window
// (a click, Tab, the arrow keys in an option group): a menu, a dialog,
// another window or the window's deactivation takes Qt's focus without the
// model hearing of it, and the focus the renderer sets is not sent back.

#include <QObject>
#include <QPoint>
#include <functional>

#include "platform/form/Form.h"
#include "platform/form/TextControl.h"
#include "window/view/BoundControl.h"
#include "window/view/FormRenderer.h"

class QContextMenuEvent;
class QDropEvent;
class QFocusEvent;
class QKeyEvent;
class QMouseEvent;

namespace window::view {

class FormInput : public QObject {
    Q_OBJECT

public:
    using Finder = std::function<BoundControl*(const QObject*)>;

    FormInput(platform::Form& form, const FormRenderer& renderer, Finder find,
              const std::function<void(platform::Control&)>& mouseMoved, QObject* parent = nullptr);

    // The caret or the selection of a text widget moved: the model hears of
    // it, unless the renderer moved it.
    void syncSelection(BoundControl& bound);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Bound = BoundControl;

    void focusIn(Bound& bound, const QFocusEvent& event);
    bool keyPress(Bound& bound, const QKeyEvent& event);
    bool textKey(Bound& bound, const QKeyEvent& event);
    void controlChord(Bound& bound, int code);
    bool mouse(Bound& bound, QObject* watched, const QMouseEvent& event);
    void contextMenu(Bound& bound, const QContextMenuEvent& event);
    bool drop(Bound& bound, QObject* watched, QDropEvent& event);

    // Clipboard work on a text control, as the edit keys and menu do it.
    void copy(const platform::TextControl& box) const;
    void cut(platform::TextControl& box);
    void paste(platform::TextControl& box, bool selectionClipboard = false);
    void placeCaret(Bound& bound, QObject* watched, QPoint point);

    platform::Form& form_;
    const FormRenderer& renderer_;
    Finder find_;
    // The binding's hook, which its owner may set after the binding is made.
    const std::function<void(platform::Control&)>& mouseMoved_;
    platform::Control* pressed_ = nullptr;
};

} // namespace window::view
