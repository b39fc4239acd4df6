#pragma once
// The base of every control of the form model: a name, a kind, visibility,
// geometry in twips and a place in the focus order. Controls belong to a Form,
// which they register with on construction; they are neither copied nor moved.

#include <string>
#include <string_view>

#include "platform/Event.h"

namespace platform {

class Form;

enum class ControlKind { TextBox, ComboBox, CheckBox, OptionButton, CommandButton, Label, Frame, Picture };

// Position and size in twips, relative to the container's inner area.
struct TwipRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class Control {
public:
    Control(Form& form, std::string name, ControlKind kind);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const noexcept { return *form_; }
    const std::string& name() const noexcept { return name_; }
    ControlKind kind() const noexcept { return kind_; }

    bool visible() const noexcept { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    bool enabled() const noexcept { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    // The control this one sits in (a frame), or null for the form itself.
    Control* container() const noexcept { return container_; }
    void setContainer(Control* container) { container_ = container; }

    const TwipRect& geometry() const noexcept { return geometry_; }
    void setGeometry(TwipRect r) { geometry_ = r; }

    // Tab index; -1 for controls outside the focus order (pictures).
    int tabIndex() const noexcept { return tabIndex_; }
    void setTabIndex(int index) { tabIndex_ = index; }

    // Labels, frames and pictures never take the focus; others do while
    // visible and enabled.
    bool canTakeFocus() const noexcept;
    bool hasFocus() const noexcept;
    // Moves the form's focus here (from code or as the user's click does).
    void setFocus();

    Event<> gotFocus;
    Event<> lostFocus;

private:
    Form* form_;
    std::string name_;
    ControlKind kind_;
    bool visible_ = true;
    bool enabled_ = true;
    Control* container_ = nullptr;
    TwipRect geometry_;
    int tabIndex_ = -1;
};

} // namespace platform
