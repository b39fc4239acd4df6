#include "platform/form/Form.h"

#include <algorithm>

namespace platform {

Form::Form(std::string name) : name_(std::move(name)) {}

void Form::add(Control& control)
{
    controls_.push_back(&control);
}

void Form::remove(Control& control)
{
    controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
    if (focus_ == &control)
        focus_ = nullptr;
}

Control* Form::find(std::string_view name) const
{
    for (Control* c : controls_)
        if (c->name() == name)
            return c;
    return nullptr;
}

void Form::setFocus(Control& control)
{
    if (focus_ == &control || !control.canTakeFocus())
        return;
    Control* old = focus_;
    focus_ = &control;
    if (old)
        old->lostFocus();
    // A lostFocus handler may have moved the focus on; only a control that
    // still has it hears gotFocus.
    if (focus_ == &control)
        control.gotFocus();
}

std::vector<Control*> Form::tabOrder() const
{
    std::vector<Control*> order;
    for (Control* c : controls_)
        if (c->canTakeFocus() && c->tabIndex() >= 0)
            order.push_back(c);
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    return order;
}

bool Form::close(int mode)
{
    if (closed_)
        return true;
    int cancel = 0;
    queryUnload(cancel, mode);
    if (cancel != 0)
        return false;
    unload();
    closed_ = true;
    return true;
}

} // namespace platform
