#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "cli/ChartFormat.h"
#include "engine/Chart.h"

namespace cli {

// Writes the chart as a PNG picture through the picture module, loaded only
// now; returns the exit status: 0 written, otherwise kOutputFailed with the
// reason on standard error (the module missing, or the file not written).
int writeChartPng(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money,
                  const std::string& path);

// Where the picture module is looked for, in this order, for a program at
// `program`: beside it (the build tree), then in the installed layout's
// library folder reached from the program's folder.
std::vector<std::filesystem::path> chartPictureModulePlaces(const std::filesystem::path& program);

} // namespace cli
