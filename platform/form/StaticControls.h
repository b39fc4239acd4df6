#pragma once
// Controls with a caption: labels, command buttons, frames and pictures.

#include <string>
#include <string_view>

#include "platform/form/Control.h"
#include "platform/text/StoreText.h"

namespace platform {

class CaptionedControl : public Control {
public:
    using Control::Control;

    const std::string& caption() const noexcept { return caption_; }
    void setCaption(std::string_view caption) { storeText(caption_, caption); }

private:
    std::string caption_;
};

class Label : public CaptionedControl {
public:
    Label(Form& form, std::string name) : CaptionedControl(form, std::move(name), ControlKind::Label) {}
    Event<> click;
};

class CommandButton : public CaptionedControl {
public:
    CommandButton(Form& form, std::string name)
        : CaptionedControl(form, std::move(name), ControlKind::CommandButton) {}
    Event<> click;
};

class Frame : public CaptionedControl {
public:
    Frame(Form& form, std::string name) : CaptionedControl(form, std::move(name), ControlKind::Frame) {}
};

// A picture that lies on its container (the window's logo). Named apart from
// the property bag's stored picture, which shares the namespace.
class Image : public CaptionedControl {
public:
    Image(Form& form, std::string name) : CaptionedControl(form, std::move(name), ControlKind::Picture) {}
    Event<> click;
};

} // namespace platform
