#pragma once
// The state dump: one line per item, NAME<TAB>VALUE, in a fixed order, then
// an empty line. Texts are escaped (backslash, CR, LF, TAB) so that every
// item stays on its line. The command line's `dump` and the window's state
// file both write it.

#include <string>
#include <string_view>

namespace window {

class FrmPoker;

// Appends `text` with "\\" for a backslash, "\r", "\n" and "\t".
void appendEscaped(std::string& out, std::string_view text);

void appendStateDump(std::string& out, const FrmPoker& frm);

} // namespace window
