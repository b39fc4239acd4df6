#include "platform/form/Input.h"

#include <string>

#include "platform/text/Utf8.h"

namespace platform {

InputScope::InputScope(Form& form) : form_(form)
{
    ++form_.inputDepth_;
}

InputScope::~InputScope()
{
    if (--form_.inputDepth_ == 0)
        form_.inputDone();
}

// Edits a text control's contents as the user does: the result replaces the
// text and raises the control's own notification.
struct TextEditing {
    static bool replace(TextControl& box, std::size_t start, std::size_t length, std::string_view with)
    {
        const std::size_t caret = start + utf8::length(with);
        if (!box.text_.replace(start, length, with)) {
            box.setSelection(caret, 0);
            return false;
        }
        box.selStart_ = caret;
        box.selLength_ = 0;
        box.textChanged(true);
        return true;
    }
};

namespace input {

bool keyPress(TextControl& box, int key)
{
    InputScope scope(box.form());
    box.keyPress(key);
    if (key == 0)
        return false;
    const std::size_t start = box.selStart();
    const std::size_t selected = box.selLength();
    if (key == KeyBackspace) {
        if (selected > 0)
            return TextEditing::replace(box, start, selected, {});
        if (start == 0)
            return false;
        return TextEditing::replace(box, start - 1, 1, {});
    }
    std::string insert;
    if (key == KeyReturn) {
        const auto* textBox = box.kind() == ControlKind::TextBox ? static_cast<const TextBox*>(&box) : nullptr;
        if (!textBox || !textBox->multiLine())
            return false;
        insert = "\r\n";
    } else {
        if (key < 0 || utf8::isControl(static_cast<char32_t>(key)) || key > 0x10FFFF)
            return false;
        utf8::append(insert, static_cast<char32_t>(key));
    }
    if (box.maxLength() > 0) {
        const std::size_t resulting = box.length() - selected + 1;
        if (resulting > box.maxLength())
            return false;
    }
    return TextEditing::replace(box, start, selected, insert);
}

bool deleteRange(TextControl& box, std::size_t start, std::size_t length)
{
    InputScope scope(box.form());
    if (length == 0)
        return false;
    return TextEditing::replace(box, start, length, {});
}

bool insertText(TextControl& box, std::string_view text)
{
    InputScope scope(box.form());
    return TextEditing::replace(box, box.selStart(), box.selLength(), text);
}

void click(Control& control)
{
    InputScope scope(control.form());
    switch (control.kind()) {
    case ControlKind::OptionButton:
        static_cast<OptionButton&>(control).setValue(true);
        break;
    case ControlKind::CheckBox: {
        auto& box = static_cast<CheckBox&>(control);
        box.setValue(box.value() == 0 ? 1 : 0);
        break;
    }
    case ControlKind::CommandButton:
        static_cast<CommandButton&>(control).click();
        break;
    case ControlKind::Label:
        static_cast<Label&>(control).click();
        break;
    case ControlKind::Picture:
        static_cast<Image&>(control).click();
        break;
    default:
        break;
    }
}

void chooseItem(ComboBox& combo, int index)
{
    InputScope scope(combo.form());
    combo.setListIndex(index);
}

void moveFocus(Control& control)
{
    InputScope scope(control.form());
    control.form().setFocus(control);
}

int keyDown(Form& form, int keyCode, int shift)
{
    InputScope scope(form);
    if (form.keyPreview())
        form.keyDown(keyCode, shift);
    return keyCode;
}

} // namespace input
} // namespace platform
