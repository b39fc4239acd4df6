#include "window/review/ImportText.h"

namespace window::review {

namespace {

std::string count(std::uint64_t n, const char* one, const char* many)
{
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace

std::string importResultLine(const store::ImportReport& report)
{
    std::string line = report.cancelled ? "Cancelled after " : "";
    line += count(report.filesRead, "file read", "files read");
    if (report.filesUnchanged)
        line += ", " + std::to_string(report.filesUnchanged) + " unchanged";
    line += ": " + count(report.handsNew, "hand new", "hands new") + ", "
        + std::to_string(report.handsAlreadyStored) + " already stored";
    std::uint64_t skipped = 0;
    std::string reasons;
    for (const auto& [kind, n] : report.skippedByReason) {
        skipped += n;
        reasons += (reasons.empty() ? "" : ", ") + kind + " " + std::to_string(n);
    }
    if (skipped)
        line += ", " + std::to_string(skipped) + " skipped (" + reasons + ")";
    return line + ".";
}

std::string importProblemsText(const store::ImportReport& report)
{
    std::string text;
    for (const history::ReadProblem& p : report.problems) {
        text += p.file;
        if (p.line)
            text += ":" + std::to_string(p.line);
        text += ": " + p.reason + "\n";
    }
    return text;
}

} // namespace window::review
