#pragma once
// Binds the widgets of a window to its form model: what the user does on
// them goes to the model (FormInput, an event filter on every bound widget),
// and when the outermost piece of input is done they show what the model
// holds (FormRenderer).

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "platform/form/Form.h"
#include "window/view/BoundControl.h"
#include "window/view/FormInput.h"
#include "window/view/FormRenderer.h"

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

private:
    BoundControl* find(const QObject* object) const;

    platform::Form& form_;
    std::vector<std::unique_ptr<BoundControl>> bound_;
    FormRenderer renderer_;
    FormInput input_;
};

} // namespace window::view
