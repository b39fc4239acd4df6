#pragma once
// `tablewise replay`: runs a session script against the headless window, one
// action per line (type, backspace, click, select, focus, dump).

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace window {
class FrmPoker;
}

namespace cli {

// One replay session: a loaded headless window and the lines run against it.
class ReplaySession {
public:
    ReplaySession(std::FILE* out, std::FILE* err);
    ~ReplaySession();
    ReplaySession(const ReplaySession&) = delete;
    ReplaySession& operator=(const ReplaySession&) = delete;

    // Runs one line (blank lines and comments do nothing). Returns false
    // after writing "tablewise: line N: <what is wrong>" to the error stream.
    bool runLine(std::string_view line, long number);

    const window::FrmPoker& window() const;

private:
    class Impl;
    std::unique_ptr<Impl> impl_;
};

// Reads the script from `in` until its end. Dumps go to `out`, flushed at each
// dump. Returns 0 at the end of the input; on a bad line, or one longer than
// ScriptLines::kLongestLine, writes "tablewise: line N: <what is wrong>" to
// `err` and returns 2; returns 1 as soon as `out` fails to take a dump.
int replay(std::FILE* in, std::FILE* out, std::FILE* err);

} // namespace cli
