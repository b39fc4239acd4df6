#pragma once
// The check box and the option buttons with their groups.

#include <string>
#include <vector>

#include "platform/form/Control.h"

namespace platform {

class CheckBox : public Control {
public:
    CheckBox(Form& form, std::string name) : Control(form, std::move(name), ControlKind::CheckBox) {}

    int value() const noexcept { return value_; }
    // 0 unticked, 1 ticked; the click handler runs when the value changes.
    void setValue(int value);

    Event<> click;

private:
    int value_ = 0;
};

class OptionButton;

// The option buttons of one container; at most one of them is selected, and
// none may be.
class OptionGroup {
public:
    const std::vector<OptionButton*>& buttons() const noexcept { return buttons_; }
    OptionButton* selected() const noexcept;

private:
    friend class OptionButton;
    std::vector<OptionButton*> buttons_;
};

class OptionButton : public Control {
public:
    OptionButton(Form& form, std::string name, OptionGroup& group);
    ~OptionButton() override;

    bool value() const noexcept { return value_; }
    // Selecting deselects the group mates silently and runs the click handler,
    // but only when this button was not selected already. Deselecting runs
    // nothing.
    void setValue(bool selected);

    OptionGroup& group() const noexcept { return *group_; }

    Event<> click;

private:
    OptionGroup* group_;
    bool value_ = false;
};

} // namespace platform
