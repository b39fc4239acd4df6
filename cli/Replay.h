#pragma once
// `tablewise replay`: runs a session script against the headless window, one
// action per line (type, backspace, click, select, focus, dump).

#include <cstdio>
#include <string>

namespace cli {

// Reads the script from `in` until its end. Dumps go to `out`, flushed at each
// dump. Returns 0 at the end of the input; on a bad line writes
// "tablewise: line N: <what is wrong>" to `err` and returns 2.
int replay(std::FILE* in, std::FILE* out, std::FILE* err);

} // namespace cli
