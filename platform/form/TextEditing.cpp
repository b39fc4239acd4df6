#include "platform/form/TextEditing.h"

#include "platform/form/Input.h"
#include "platform/text/Utf8.h"

namespace platform::input {

namespace {

bool isMultiLine(const TextControl& box)
{
    return box.kind() == ControlKind::TextBox && static_cast<const TextBox&>(box).multiLine();
}

// Whether the code points at `index` and after are CR LF.
bool lineBreakAt(const TextControl& box, std::size_t index)
{
    const std::string& t = box.text();
    const std::size_t at = box.byteOffsetOf(index);
    return at + 1 < t.size() && t[at] == '\r' && t[at + 1] == '\n';
}

// Text with neither a key filter nor a typed-length limit takes a whole
// insertion at once: the result is the same as key by key.
bool takesAnyText(const TextControl& box)
{
    return box.keyPress.empty() && box.maxLength() == 0;
}

} // namespace

bool typeText(TextControl& box, std::u32string_view text)
{
    InputScope scope(box.form());
    if (box.pasteCheck && !box.pasteCheck(text))
        return false;
    const bool multiLine = isMultiLine(box);
    std::string whole;
    const bool atOnce = takesAnyText(box);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
            continue; // CR LF is one line break: its LF comes next
        if (c == U'\r' || c == U'\n')
            c = KeyReturn;
        else if (utf8::isControl(c) && c != U'\t')
            continue;
        if (!atOnce) {
            keyPress(box, static_cast<int>(c));
        } else if (c == KeyReturn) {
            if (multiLine)
                whole.append("\r\n");
        } else if (c != U'\t') {
            utf8::append(whole, c);
        }
    }
    if (atOnce && !whole.empty())
        insertText(box, whole);
    return true;
}

void backspace(TextControl& box)
{
    const std::size_t caret = box.selStart();
    if (box.selLength() == 0 && caret >= 2 && isMultiLine(box) && lineBreakAt(box, caret - 2))
        box.setSelection(caret - 2, 2);
    keyPress(box, KeyBackspace);
}

void deleteForward(TextControl& box)
{
    if (box.selLength() > 0) {
        deleteRange(box, box.selStart(), box.selLength());
        return;
    }
    const std::size_t caret = box.selStart();
    if (caret >= box.length())
        return;
    deleteRange(box, caret, lineBreakAt(box, caret) ? 2 : 1);
}

std::string selectedText(const TextControl& box)
{
    const std::string& t = box.text();
    const std::size_t from = box.byteOffsetOf(box.selStart());
    const std::size_t to = box.byteOffsetOf(box.selStart() + box.selLength());
    return t.substr(from, to - from);
}

} // namespace platform::input
