#include "platform/form/ToggleControls.h"

#include <algorithm>

namespace platform {

void CheckBox::setValue(int value)
{
    if (value == value_)
        return;
    value_ = value;
    click();
}

OptionButton* OptionGroup::selected() const noexcept
{
    for (OptionButton* b : buttons_)
        if (b->value())
            return b;
    return nullptr;
}

OptionButton::OptionButton(Form& form, std::string name, OptionGroup& group)
    : Control(form, std::move(name), ControlKind::OptionButton), group_(&group)
{
    group_->buttons_.push_back(this);
}

OptionButton::~OptionButton()
{
    auto& b = group_->buttons_;
    b.erase(std::remove(b.begin(), b.end(), this), b.end());
}

void OptionButton::setValue(bool selected)
{
    if (!selected) {
        value_ = false;
        return;
    }
    if (value_)
        return;
    for (OptionButton* mate : group_->buttons_)
        mate->value_ = false;
    value_ = true;
    click();
}

} // namespace platform
