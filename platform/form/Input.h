#pragma once
// User input enters the form model here, whoever sends it: a window, a script,
// a test. Every call runs the notifications the input causes, nested, and when
// the outermost call returns the form raises inputDone.

#include <cstddef>
#include <string_view>

#include "platform/form/Form.h"
#include "platform/form/StaticControls.h"
#include "platform/form/TextControl.h"
#include "platform/form/ToggleControls.h"

namespace platform {

// Key codes of the keys the model treats specially.
enum KeyCode : int { KeyBackspace = 8, KeyTab = 9, KeyReturn = 13, KeyF1 = 112 };

// Brackets a piece of user input; nested scopes count once.
class InputScope {
public:
    explicit InputScope(Form& form);
    ~InputScope();
    InputScope(const InputScope&) = delete;
    InputScope& operator=(const InputScope&) = delete;

private:
    Form& form_;
};

namespace input {

// A key press in a text box or a combo box's edit field: the box's keyPress
// handlers run first and may discard (0) or replace the key. A passed
// Backspace (8) deletes the selection, or the code point before the caret; a
// passed printable key replaces the selection, or is inserted at the caret,
// unless the result would exceed the typed-length limit; Return (13) inserts a
// line break (CR LF) in a multi-line box. Other control keys insert nothing.
// Returns whether the text changed.
bool keyPress(TextControl& box, int key);

// Deletes `length` code points from `start` (the Delete key, a cut).
bool deleteRange(TextControl& box, std::size_t start, std::size_t length);

// Replaces the selection with `text`, as a paste or a drop does: no key
// filter and no typed-length limit apply (the caller decides what may come in).
bool insertText(TextControl& box, std::string_view text);

// A mouse click or the space bar: an option button becomes selected, the
// check box toggles, a command button, label or picture runs its click.
void click(Control& control);

// Chooses item `index` of the list.
void chooseItem(ComboBox& combo, int index);

// Moves the focus, as a mouse click or Tab does.
void moveFocus(Control& control);

// A key going down: the form sees it first when key preview is on, then the
// focused control's form-level handling is done. Returns the key code left
// after the handlers (0 when one of them consumed it).
int keyDown(Form& form, int keyCode, int shift);

} // namespace input
} // namespace platform
