#pragma once
// Controls with an editable text and a caret: the text box and the combo box's
// edit field. Positions and lengths are in code points.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form/Control.h"
#include "platform/text/Utf8Text.h"

namespace platform {

class TextControl : public Control {
public:
    using Control::Control;

    const std::string& text() const noexcept { return text_.bytes(); }
    // The text's length in code points, and the byte where code point
    // `index` starts (clamped to the end); near the caret they cost the same
    // whatever the text's length.
    std::size_t length() const { return text_.length(); }
    std::size_t byteOffsetOf(std::size_t index) const { return text_.offsetOf(index); }

    // Caret and selection, as the user left them.
    std::size_t selStart() const;
    std::size_t selLength() const noexcept { return selLength_; }
    // Clamped to the text.
    void setSelection(std::size_t start, std::size_t length);
    void moveCaretToEnd() noexcept
    {
        selStart_ = kCaretAtEnd;
        selLength_ = 0;
    }

    // The typed-length limit in code points; 0 means none. It limits typing
    // only, never text set by code.
    std::size_t maxLength() const noexcept { return maxLength_; }
    void setMaxLength(std::size_t limit) { maxLength_ = limit; }

    // Runs for each character key typed, before the character is inserted; a
    // handler discards the key by setting it to 0, or replaces it.
    Event<int&> keyPress;
    // Runs whenever the text has really changed, by code or by the user.
    Event<> change;
    // Asked before text arriving at once (a paste, a drop) is typed into the
    // box; returning false refuses it whole.
    std::function<bool(std::u32string_view text)> pasteCheck;

protected:
    // Replaces the whole text; the caret goes to the end. When the text
    // differs and `notify` is set, textChanged runs.
    void assignText(std::string_view text, bool byUser, bool notify = true);
    // What happens after the text has changed; raises `change`.
    virtual void textChanged(bool byUser);

private:
    friend struct TextEditing;
    // Text set by code puts the caret at its end; the end is counted in code
    // points only when someone asks for it, since advice texts are long and
    // rarely edited.
    static constexpr std::size_t kCaretAtEnd = static_cast<std::size_t>(-1);

    Utf8Text text_;
    std::size_t selStart_ = 0;
    std::size_t selLength_ = 0;
    std::size_t maxLength_ = 0;
};

class TextBox : public TextControl {
public:
    TextBox(Form& form, std::string name) : TextControl(form, std::move(name), ControlKind::TextBox) {}

    // From code: runs the change handler when the text really changes.
    void setText(std::string_view text) { assignText(text, false); }

    bool multiLine() const noexcept { return multiLine_; }
    void setMultiLine(bool on) { multiLine_ = on; }

private:
    bool multiLine_ = false;
};

// A drop-down combo box with an editable field and an unsorted list.
class ComboBox : public TextControl {
public:
    ComboBox(Form& form, std::string name) : TextControl(form, std::move(name), ControlKind::ComboBox) {}

    const std::vector<std::string>& items() const noexcept { return items_; }
    void addItem(std::string item) { items_.push_back(std::move(item)); }
    void clear();

    int listIndex() const noexcept { return listIndex_; }
    // From code or by choosing an item: the text becomes the item's (empty for
    // -1) and the click handler always runs. Out-of-range indexes are ignored.
    void setListIndex(int index);

    // From code: the list index follows the item with exactly this text, or -1;
    // no click runs.
    void setText(std::string_view text);

    // Extent of the opened list in pixels (0: as many items as fit the default).
    int dropDownHeight() const noexcept { return dropDownHeight_; }
    void setDropDownHeight(int pixels) { dropDownHeight_ = pixels; }

    Event<> click;

protected:
    void textChanged(bool byUser) override;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    int dropDownHeight_ = 0;
};

} // namespace platform
