// `tablewise replay`: a session script against the window, and `tablewise
// content`: every advice text.

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/Args.h"
#include "cli/ArgumentReaders.h"
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

In TEXT, \\ is a backslash, \r CR, \n LF and \t TAB. A line may be up to
65536 bytes long.
)";

constexpr const char* kContentUsage = R"(Usage: tablewise content

Prints every advice text, one per line: KEY, a tab, and the text with
backslash, CR, LF and TAB written as \\, \r, \n and \t.
)";

struct ReplayOptions {
    std::string file; // empty: standard input
};

struct ContentOptions {};

std::string replayUsage()
{
    return kReplayUsage;
}

std::string contentUsage()
{
    return kContentUsage;
}

Asked readReplayOptions(int argc, char** argv, ReplayOptions& o)
{
    const Args args(argc, argv, 2, {});
    if (args.asked() != Asked::Work)
        return args.asked();
    if (args.positional().size() > 1)
        throw UsageError{"unexpected argument " + args.positional()[1]};
    if (!args.positional().empty() && args.positional().front() != "-")
        o.file = args.positional().front();
    return Asked::Work;
}

// replay() returns 1 when a dump could not be written, errno telling why.
int replayFrom(std::FILE* in)
{
    errno = 0;
    const int status = replay(in, stdout, stderr);
    if (status == 1)
        outputFailed(errno);
    return status;
}

int runReplay(const ReplayOptions& o)
{
    if (o.file.empty())
        return replayFrom(stdin);
    std::FILE* in = std::fopen(o.file.c_str(), "rb");
    if (!in)
        return usageError(o.file + ": " + std::strerror(errno));
    struct stat info {};
    if (::fstat(::fileno(in), &info) == 0 && S_ISDIR(info.st_mode)) {
        std::fclose(in);
        return usageError(o.file + ": " + std::strerror(EISDIR));
    }
    const int status = replayFrom(in);
    const int readError = std::ferror(in) ? errno : 0;
    std::fclose(in);
    if (readError != 0)
        return usageError(o.file + ": " + std::strerror(readError));
    return status;
}

Asked readContentOptions(int argc, char** argv, ContentOptions&)
{
    const Args args(argc, argv, 2, {});
    if (args.asked() != Asked::Work)
        return args.asked();
    args.positional({});
    return Asked::Work;
}

int writeContent(const ContentOptions&)
{
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

} // namespace

int replayCommand(int argc, char** argv)
{
    return runCommand<ReplayOptions>("replay", replayUsage, argc, argv, readReplayOptions, runReplay);
}

int contentCommand(int argc, char** argv)
{
    return runCommand<ContentOptions>("content", contentUsage, argc, argv, readContentOptions, writeContent);
}

void readReplayArguments(int argc, char** argv)
{
    ReplayOptions o;
    readReplayOptions(argc, argv, o);
}

void readContentArguments(int argc, char** argv)
{
    ContentOptions o;
    readContentOptions(argc, argv, o);
}

} // namespace cli

