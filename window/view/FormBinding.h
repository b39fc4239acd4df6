#pragma once
// Binds the widgets of a window to its form model: what the user does on
// them goes to the model, and they show what the model holds.
//
// An event filter turns keys, clicks, focus moves and edits into model input
// and swallows them. Only moving the caret and selecting text stay with the
// text widgets, which tell the model where the user left them. When the
// outermost piece of input is done, every widget is shown once from the
// model, with its signals blocked.
//
// Focus moves count for the model only between two controls of the window
// (a click, Tab, the arrow keys in an option group): a menu, a dialog,
// another window or the window's deactivation takes Qt's focus without the
// model hearing of it, and the focus set here to mirror the model is not sent
// back.

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/form/Form.h"
#include "platform/form/TextControl.h"
#include "window/view/TextWidget.h"

class QContextMenuEvent;
class QDropEvent;
class QFocusEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace window::view {

class FormBinding : public QObject {
    Q_OBJECT

public:
    explicit FormBinding(platform::Form& form, QObject* parent = nullptr);
    ~FormBinding() override;

    platform::Form& form() const noexcept { return form_; }

    // Binds a control to the widget that shows it (for the combo box, the
    // box; its field comes along).
    void bind(platform::Control& control, QWidget& widget);
    QWidget* widgetOf(const platform::Control& control) const;
    platform::Control* controlOf(const QObject* object) const;

    // Shows every bound widget from the model.
    void render();

    // Runs for each move of the mouse over a bound control other than a text
    // box, before the widgets are shown again.
    std::function<void(platform::Control&)> mouseMoved;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Bound {
        platform::Control* control;
        QWidget* widget;
        std::optional<TextWidget> text; // text boxes and the combo's field
    };

    Bound* find(const QObject* object) const;

    void showControl(const Bound& bound);
    void showFocus();
    void syncSelection(Bound& bound);

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
    int inputDoneId_ = 0;
    std::vector<std::unique_ptr<Bound>> bound_;
    bool rendering_ = false;
    platform::Control* pressed_ = nullptr;
};

} // namespace window::view
