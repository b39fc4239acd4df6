#pragma once
// Editing a text control of the form model as the user does, beyond single
// key presses: text that arrives all at once (a paste, a drop, an input
// method), Backspace and Delete over line breaks, the selected text.
//
// Text arriving at once is typed: each character goes through the box's key
// filter and typed-length limit as a typed key would, so it can never put into
// a box what typing could not. Line breaks arrive as Return (a line break in a
// multi-line box, nothing in a one-line box); other control characters, which
// no key types, are dropped.

#include <string>
#include <string_view>

#include "platform/form/TextControl.h"

namespace platform::input {

// Text arriving at once. The box's pasteCheck, when it has one, may refuse it
// whole first; returns whether it was taken.
bool typeText(TextControl& box, std::u32string_view text);

// Backspace; in a multi-line box it takes a whole CR LF line break.
void backspace(TextControl& box);

// The Delete key: the selection, or what follows the caret (a whole CR LF).
void deleteForward(TextControl& box);

// The selected part of the text, as the model holds it.
std::string selectedText(const TextControl& box);

} // namespace platform::input
