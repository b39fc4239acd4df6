#include "platform/form/Control.h"

#include "platform/form/Form.h"

namespace platform {

Control::Control(Form& form, std::string name, ControlKind kind)
    : form_(&form), name_(std::move(name)), kind_(kind)
{
    form_->add(*this);
}

Control::~Control()
{
    form_->remove(*this);
}

bool Control::canTakeFocus() const noexcept
{
    switch (kind_) {
    case ControlKind::Label:
    case ControlKind::Frame:
    case ControlKind::Picture:
        return false;
    default:
        return visible_ && enabled_;
    }
}

bool Control::hasFocus() const noexcept
{
    return form_->focus() == this;
}

void Control::setFocus()
{
    form_->setFocus(*this);
}

} // namespace platform
