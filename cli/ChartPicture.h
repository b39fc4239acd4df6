#pragma once

#include <string>

#include "cli/ChartFormat.h"
#include "engine/Chart.h"

namespace cli {

// Writes the chart as a PNG picture; false when it cannot be written.
bool writeChartPng(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money,
                   const std::string& path);

} // namespace cli
