#include "window/view/TextInput.h"

#include "platform/form/Input.h"
#include "platform/text/Utf8.h"

namespace window::view {

namespace {

bool isMultiLine(const platform::TextControl& box)
{
    return box.kind() == platform::ControlKind::TextBox && static_cast<const platform::TextBox&>(box).multiLine();
}

// Whether the code points at `index` and after are CR LF.
bool lineBreakAt(const platform::TextControl& box, std::size_t index)
{
    const std::string& t = box.text();
    const std::size_t at = platform::utf8::offsetOf(t, index);
    return at + 1 < t.size() && t[at] == '\r' && t[at + 1] == '\n';
}

// Text with neither a key filter nor a typed-length limit takes a whole
// insertion at once: the result is the same as key by key.
bool takesAnyText(const platform::TextControl& box)
{
    return box.keyPress.empty() && box.maxLength() == 0;
}

} // namespace

void typeText(platform::TextControl& box, std::u32string_view text)
{
    platform::InputScope scope(box.form());
    const bool multiLine = isMultiLine(box);
    std::string whole;
    const bool atOnce = takesAnyText(box);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
            continue; // CR LF is one line break: its LF comes next
        if (c == U'\r' || c == U'\n')
            c = platform::KeyReturn;
        else if (platform::utf8::isControl(c) && c != U'\t')
            continue;
        if (!atOnce) {
            platform::input::keyPress(box, static_cast<int>(c));
        } else if (c == platform::KeyReturn) {
            if (multiLine)
                whole.append("\r\n");
        } else if (c != U'\t') {
            platform::utf8::append(whole, c);
        }
    }
    if (atOnce && !whole.empty())
        platform::input::insertText(box, whole);
}

void backspace(platform::TextControl& box)
{
    const std::size_t caret = box.selStart();
    if (box.selLength() == 0 && caret >= 2 && isMultiLine(box) && lineBreakAt(box, caret - 2))
        box.setSelection(caret - 2, 2);
    platform::input::keyPress(box, platform::KeyBackspace);
}

void deleteForward(platform::TextControl& box)
{
    if (box.selLength() > 0) {
        platform::input::deleteRange(box, box.selStart(), box.selLength());
        return;
    }
    const std::size_t caret = box.selStart();
    if (caret >= platform::utf8::length(box.text()))
        return;
    platform::input::deleteRange(box, caret, lineBreakAt(box, caret) ? 2 : 1);
}

std::string selectedText(const platform::TextControl& box)
{
    const std::string& t = box.text();
    const std::size_t from = platform::utf8::offsetOf(t, box.selStart());
    const std::size_t to = platform::utf8::offsetOf(t, box.selStart() + box.selLength());
    return t.substr(from, to - from);
}

} // namespace window::view
