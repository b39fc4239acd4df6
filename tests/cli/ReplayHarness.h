#pragma once
// Runs `tablewise replay` in-process on a script held in memory, and the
// real program for what only a process shows (exit status, files).

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "cli/Replay.h"
#include "engine/content/AdviceContent.h"
#include "tests/support/TestFiles.h"

namespace clitest {

// What a run printed and its exit status.
struct RunResult {
    int status;
    std::string out;
    std::string err;
};

using testsupport::readFile;

// Runs the tablewise program with `args` (shell-quoted by the caller) under
// LC_ALL=C.
inline RunResult tablewise(const std::string& args, const std::string& stdinText = "")
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("tablewise-test-" + std::to_string(::getpid()));
    testsupport::writeFile(dir / "in", stdinText);
    const std::string cmd = "LC_ALL=C " + std::string(TABLEWISE_EXE) + " " + args + " <" + (dir / "in").string() + " >"
        + (dir / "out").string() + " 2>" + (dir / "err").string();
    const int raw = std::system(cmd.c_str());
    RunResult r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "out"), readFile(dir / "err")};
    fs::remove_all(dir);
    return r;
}

inline RunResult replayText(std::string_view script)
{
    std::string input(script);
    std::FILE* in = fmemopen(input.data(), input.size(), "r");
    char* outBuf = nullptr;
    std::size_t outLen = 0;
    char* errBuf = nullptr;
    std::size_t errLen = 0;
    std::FILE* out = open_memstream(&outBuf, &outLen);
    std::FILE* err = open_memstream(&errBuf, &errLen);
    const int status = cli::replay(in, out, err);
    std::fclose(out);
    std::fclose(err);
    std::fclose(in);
    RunResult r{status, std::string(outBuf, outLen), std::string(errBuf, errLen)};
    std::free(outBuf);
    std::free(errBuf);
    return r;
}

// Replaces every "{ADV_...}" with the entry's text, escaped as dumps escape.
inline std::string expandAdviceKeys(std::string_view expected)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < expected.size()) {
        const auto open = expected.find("{ADV_", pos);
        if (open == std::string_view::npos) {
            out.append(expected.substr(pos));
            break;
        }
        const auto close = expected.find('}', open);
        const auto key = engine::adviceKeyFromName(expected.substr(open + 1, close - open - 1));
        out.append(expected.substr(pos, open - pos));
        if (!key) {
            out.append("<unknown key>");
        } else {
            for (char c : engine::adviceText(*key)) {
                switch (c) {
                case '\\': out += "\\\\"; break;
                case '\r': out += "\\r"; break;
                case '\n': out += "\\n"; break;
                case '\t': out += "\\t"; break;
                default: out += c;
                }
            }
        }
        pos = close + 1;
    }
    return out;
}

} // namespace clitest
