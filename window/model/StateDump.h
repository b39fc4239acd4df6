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

// One item: NAME<TAB>VALUE and the line's end, the text escaped.
void appendDumpLine(std::string& out, std::string_view name, std::string_view text);
void appendDumpLine(std::string& out, std::string_view name, long value);

void appendStateDump(std::string& out, const FrmPoker& frm);

// Writes a dump into `path` as platform::replaceFile does (through a
// temporary file, a link's target replaced, a device written through), so
// that a reader never sees half of it. Returns false, having said why on
// stderr, when the file cannot be written.
bool writeDumpFile(const std::string& dump, const std::string& path);

} // namespace window
