#pragma once
// The window's state when the program ends, for whoever drives the program
// from outside (tests, scripts): when TABLEWISE_STATE_FILE names a file, the
// state dump of the command line's `dump` is written into it.

#include <string>

namespace window {
class FrmPoker;
}

namespace window::view {

inline constexpr const char* kStateFileVariable = "TABLEWISE_STATE_FILE";

// Writes the dump into `path` through a temporary file, so that a reader
// never sees half of it. Returns false, having said why on stderr, when the
// file cannot be written.
bool writeStateFile(const FrmPoker& frm, const std::string& path);

// Writes the dump when the variable names a file; true when there was
// nothing to do or it was written.
bool writeStateFileIfAsked(const FrmPoker& frm);

} // namespace window::view
