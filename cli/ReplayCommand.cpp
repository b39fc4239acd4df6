// `tablewise replay`: a session script against the window, and `tablewise
// content`: every advice text.

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/Args.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Replay.h"
#include "engine/content/AdviceContent.h"
#include "window/model/StateDump.h"

namespace cli {

namespace {

constexpr const char* kReplayUsage = R"(Usage: tablewise replay [FILE]

Runs a session script against the advisor's window, without showing it, and
prints the window's state at each "dump". Reads standard input when FILE is
omitted or "-". One action per line; blank lines and lines starting with "#"
are skipped:

  type NAME TEXT       one key press per character into a text box or the
                       combo box's edit field
  backspace NAME [N]   N Backspace presses (default 1)
  click NAME           an option button, chkSuited or cmdResetPartial
  select NAME INDEX    chooses item INDEX (from 0) of cmbPostFlop
  focus NAME           moves the focus
  dump                 prints NAME<TAB>VALUE lines and an empty line

In TEXT, \\ is a backslash, \r CR, \n LF and \t TAB.
)";

constexpr const char* kContentUsage = R"(Usage: tablewise content

Prints every advice text, one per line: KEY, a tab, and the text with
backslash, CR, LF and TAB written as \\, \r, \n and \t.
)";

} // namespace

int replayCommand(int argc, char** argv)
{
    std::string file;
    try {
        const Args args(argc, argv, 2, {{"--help", 'h'}});
        if (args.flag("--help")) {
            write(kReplayUsage);
            return 0;
        }
        if (args.positional().size() > 1)
            return usageError("replay: unexpected argument " + args.positional()[1]);
        if (!args.positional().empty())
            file = args.positional().front();
    } catch (const UsageError& e) {
        return usageError("replay: " + e.message);
    }
    if (file.empty() || file == "-")
        return replay(stdin, stdout, stderr);
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        return usageError(file + ": " + std::strerror(errno));
    struct stat info {};
    if (::fstat(::fileno(in), &info) == 0 && S_ISDIR(info.st_mode)) {
        std::fclose(in);
        return usageError(file + ": " + std::strerror(EISDIR));
    }
    errno = 0;
    const int status = replay(in, stdout, stderr);
    const int readError = std::ferror(in) ? errno : 0;
    std::fclose(in);
    if (readError != 0)
        return usageError(file + ": " + std::strerror(readError));
    return status;
}

int contentCommand(int argc, char** argv)
{
    try {
        const Args args(argc, argv, 2, {{"--help", 'h'}});
        if (args.flag("--help")) {
            write(kContentUsage);
            return 0;
        }
        args.positional({});
    } catch (const UsageError& e) {
        return usageError("content: " + e.message);
    }
    std::string out;
    for (std::size_t i = 0; i < engine::kAdviceKeyCount; ++i) {
        const auto key = static_cast<engine::AdviceKey>(i);
        out.append(engine::adviceKeyName(key));
        out.push_back('\t');
        window::appendEscaped(out, engine::adviceText(key));
        out.push_back('\n');
    }
    write(out);
    return 0;
}

} // namespace cli
