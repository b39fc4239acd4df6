#pragma once
// The strategy chart written as text, CSV, JSON or HTML.

#include <string>

#include "engine/Chart.h"

namespace cli {

// The big blind and the limper count as the command was given them, for the
// title and the JSON; the chart itself was worked out on their values.
struct ChartArgs {
    std::string bigBlind = "1";
    std::string limpers = "1";
};

std::string chartTitle(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money);
std::string chartAsText(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money);
std::string chartAsCsv(const engine::Chart& chart);
std::string chartAsJson(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money);
std::string chartAsHtml(const engine::Chart& chart, const ChartArgs& args, const platform::Money& money);

} // namespace cli
