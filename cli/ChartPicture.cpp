#include "cli/ChartPicture.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "cli/ChartFormat.h"
#include "cli/CommandLine.h"
#include "cli/picture/ChartPictureEntry.h"
#include "platform/SharedLibrary.h"

namespace cli {

namespace fs = std::filesystem;

namespace {

// Where the picture module is looked for, in this order: beside the program
// (the build tree), then in the installed layout's library folder, reached
// from the program's folder.
std::vector<fs::path> modulePlaces(const fs::path& program)
{
    const fs::path folder = program.parent_path();
    return {folder / TABLEWISE_PICTURE_MODULE,
            (folder / TABLEWISE_PICTURE_MODULE_FROM_BIN / TABLEWISE_PICTURE_MODULE).lexically_normal()};
}

// The module's writer, or null with the reason on standard error.
ChartPictureWriter* loadWriter()
{
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        std::fprintf(stderr, "tablewise: cannot draw pictures: the program's own folder is unknown (%s)\n",
                     error.message().c_str());
        return nullptr;
    }
    const std::vector<fs::path> places = modulePlaces(program);
    const auto found = std::find_if(places.begin(), places.end(), [&](const fs::path& p) { return fs::exists(p, error); });
    if (found == places.end()) {
        std::fprintf(stderr, "tablewise: cannot draw pictures: the picture module is missing (looked for %s and %s)\n",
                     places.front().c_str(), places.back().c_str());
        return nullptr;
    }
    // Loaded once, and kept for the rest of the process.
    static const platform::SharedLibrary module(found->string());
    if (!module.loaded()) {
        std::fprintf(stderr, "tablewise: cannot draw pictures: %s\n", module.error().c_str());
        return nullptr;
    }
    auto* writer = module.function<ChartPictureWriter>(kChartPictureWriterName);
    if (!writer)
        std::fprintf(stderr, "tablewise: cannot draw pictures: %s is not this program's picture module\n",
                     found->c_str());
    return writer;
}

} // namespace

int writeChartPng(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money,
                  const std::string& path)
{
    ChartPictureWriter* writer = loadWriter();
    if (!writer)
        return kOutputFailed;
    if (writer(&chart, chartTitle(chart, args, money).c_str(), path.c_str()))
        return 0;
    std::fprintf(stderr, "tablewise: %s: could not write the picture\n", path.c_str());
    return kOutputFailed;
}

} // namespace cli
