#pragma once

#include <string>

#include "cli/ChartFormat.h"
#include "engine/Chart.h"

namespace cli {

// Writes the chart as a PNG picture through the picture module, loaded only
// now; returns the exit status: 0 written, otherwise kOutputFailed with the
// reason on standard error (the module missing, or the file not written).
int writeChartPng(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money,
                  const std::string& path);

} // namespace cli
