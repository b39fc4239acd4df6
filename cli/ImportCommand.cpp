// `tablewise import`: hand histories into the local store.

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/Args.h"
#include "cli/ArgumentReaders.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "store/HandStore.h"

namespace cli {

namespace {

constexpr const char* kUsage = R"(Usage: tablewise import [--db PATH] PATH...

Reads hand histories into the local store and grades each pre-flop decision
whose cards are known against the advisor, for `tablewise review`.

  PATH            a file or a folder (read with its sub-folders): PHH files
                  (.phh, .phhs) or a poker room's text export
  --db PATH       the store (default: $XDG_DATA_HOME/brisvane-tablewise/hands.sqlite)

Each hand is stored once, however often it is imported. A file imported
before is skipped when unchanged, and read on from where it ended when it
grew, so importing a folder again takes only what is new. Interrupted, an
import keeps the files it finished and the next one takes the rest.

Exit status: 0 imported (hands that could not be read are listed), 1 the
store failed or the report could not be written, 2 bad arguments, 130
interrupted.
)";

constexpr std::size_t kProblemsShown = 10;

std::atomic<bool> interrupted{false};

extern "C" void onInterrupt(int)
{
    interrupted.store(true);
}

// The single line a terminal shows while an import runs.
void showProgress(const store::ImportProgress& p)
{
    std::string name = std::filesystem::path(p.currentFile).filename().string();
    if (name.size() > 40)
        name = "..." + name.substr(name.size() - 37);
    const int percent = p.bytesTotal > 0 ? static_cast<int>(p.bytesDone * 100 / p.bytesTotal) : 100;
    std::fprintf(stderr, "\r\x1b[KImporting: %3d%%, %llu of %llu files done, %llu hands read  %s", percent,
                 static_cast<unsigned long long>(p.filesDone), static_cast<unsigned long long>(p.filesTotal),
                 static_cast<unsigned long long>(p.handsRead), name.c_str());
    std::fflush(stderr);
}

std::string line(std::string_view label, std::uint64_t value)
{
    std::string out(label);
    out.resize(std::max<std::size_t>(out.size() + 1, 26), ' ');
    return out + std::to_string(value) + "\n";
}

std::string reportText(const store::ImportReport& r)
{
    std::string out;
    out += line("Files read:", r.filesRead);
    out += line("Unchanged files skipped:", r.filesUnchanged);
    out += line("Hands read:", r.handsRead);
    out += line("New hands:", r.handsNew);
    out += line("Already stored:", r.handsAlreadyStored);
    for (const auto& [kind, count] : r.skippedByReason)
        out += line("Skipped (" + kind + "):", count);
    if (!r.problems.empty()) {
        out += "Problems:\n";
        for (std::size_t i = 0; i < r.problems.size() && i < kProblemsShown; ++i) {
            const auto& p = r.problems[i];
            out += "  " + p.file + (p.line > 0 ? ":" + std::to_string(p.line) : std::string()) + ": " + p.reason + "\n";
        }
        std::uint64_t total = 0;
        for (const auto& [kind, count] : r.skippedByReason)
            total += count;
        if (total > kProblemsShown)
            out += "  ... and " + std::to_string(total - kProblemsShown) + " more\n";
    }
    return out;
}

struct ImportOptions {
    std::filesystem::path db;
    std::vector<std::filesystem::path> paths;
};

std::string usage()
{
    return kUsage;
}

Asked readOptions(int argc, char** argv, ImportOptions& o)
{
    const Args args(argc, argv, 2, {{"--db", 0, true}});
    if (args.asked() != Asked::Work)
        return args.asked();
    if (args.positional().empty())
        throw UsageError{"missing PATH (try --help)"};
    for (const auto& p : args.positional())
        o.paths.emplace_back(p);
    o.db = args.value("--db").value_or(store::defaultStorePath().string());
    if (o.db.empty())
        throw UsageError{"--db needs a file name"};
    return Asked::Work;
}

int import(const ImportOptions& o)
{
    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    try {
        store::HandStore hands(o.db);
        const store::ImportReport report =
            hands.importPaths(o.paths, terminal ? showProgress : std::function<void(const store::ImportProgress&)>(),
                              &interrupted);
        if (terminal)
            std::fputs("\r\x1b[K", stderr);
        write(reportText(report));
        if (report.cancelled) {
            std::fputs("tablewise: import: interrupted; the file being read was left whole for the next import\n",
                       stderr);
            return 130;
        }
        return 0;
    } catch (const store::StoreError& e) {
        if (terminal)
            std::fputs("\r\x1b[K", stderr);
        std::fprintf(stderr, "tablewise: import: %s\n", e.what());
        return 1;
    }
}

} // namespace

int importCommand(int argc, char** argv)
{
    return runCommand<ImportOptions>("import", usage, argc, argv, readOptions, import);
}

void readImportArguments(int argc, char** argv)
{
    ImportOptions o;
    readOptions(argc, argv, o);
}

} // namespace cli
