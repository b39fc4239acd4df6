#pragma once
// Shows the form model on its widgets: every bound widget once, with its
// signals blocked, after the outermost piece of input is done; then the
// focus, where the model has it.

#include <memory>
#include <vector>

#include "platform/form/Form.h"
#include "window/view/BoundControl.h"

namespace window::view {

class FormRenderer {
public:
    FormRenderer(platform::Form& form, const std::vector<std::unique_ptr<BoundControl>>& bound);
    ~FormRenderer();
    FormRenderer(const FormRenderer&) = delete;
    FormRenderer& operator=(const FormRenderer&) = delete;

    void render();
    // While the widgets are being shown: what they signal then is not input.
    bool rendering() const noexcept { return rendering_; }

private:
    using Bound = BoundControl;

    void showControl(const Bound& bound);
    void showFocus();
    QWidget* widgetOf(const platform::Control& control) const;

    platform::Form& form_;
    const std::vector<std::unique_ptr<BoundControl>>& bound_;
    int inputDoneId_ = 0;
    bool rendering_ = false;
};

} // namespace window::view
