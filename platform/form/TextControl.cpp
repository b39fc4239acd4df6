#include "platform/form/TextControl.h"

#include <algorithm>


namespace platform {

std::size_t TextControl::selStart() const
{
    return selStart_ == kCaretAtEnd ? text_.length() : selStart_;
}

void TextControl::setSelection(std::size_t start, std::size_t length)
{
    const std::size_t total = text_.length();
    selStart_ = std::min(start, total);
    selLength_ = std::min(length, total - selStart_);
}

void TextControl::assignText(std::string_view text, bool byUser, bool notify)
{
    if (!text_.assign(text))
        return;
    selStart_ = kCaretAtEnd;
    selLength_ = 0;
    if (notify)
        textChanged(byUser);
}

void TextControl::textChanged(bool)
{
    change();
}

void ComboBox::clear()
{
    items_.clear();
    listIndex_ = -1;
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= static_cast<int>(items_.size()))
        return;
    listIndex_ = index;
    const std::string_view item = index < 0 ? std::string_view{} : std::string_view{items_[static_cast<std::size_t>(index)]};
    // Choosing an item is a click, not an edit of the field.
    assignText(item, false, false);
    click();
}

void ComboBox::setText(std::string_view text)
{
    assignText(text, false);
    listIndex_ = -1;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i] == text) {
            listIndex_ = static_cast<int>(i);
            break;
        }
    }
}

void ComboBox::textChanged(bool byUser)
{
    if (byUser)
        listIndex_ = -1;
    change();
}

} // namespace platform
