#pragma once
// Input to a headless form as a player gives it: the focus moves to the
// control first, and typed keys go in one at a time at the end of the text.

#include <string_view>

#include "platform/form/Input.h"
#include "platform/form/TextControl.h"
#include "platform/text/Utf8.h"

namespace testsupport {

inline void type(platform::TextControl& box, std::u32string_view keys)
{
    platform::input::moveFocus(box);
    for (const char32_t key : keys) {
        box.setSelection(platform::utf8::length(box.text()), 0);
        platform::input::keyPress(box, static_cast<int>(key));
    }
}

inline void type(platform::TextControl& box, std::string_view keys)
{
    type(box, platform::utf8::codePoints(keys));
}

// A paste: the whole text at the caret at once, through the box's filter.
inline void paste(platform::TextControl& box, std::string_view text)
{
    platform::input::moveFocus(box);
    platform::input::insertText(box, text);
}

inline void click(platform::Control& control)
{
    platform::input::moveFocus(control);
    platform::input::click(control);
}

} // namespace testsupport
