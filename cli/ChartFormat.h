#pragma once
// The strategy chart written as text, CSV, JSON or HTML.

#include <string>

#include "engine/Chart.h"

namespace cli {

std::string chartTitle(const engine::Chart& chart, const platform::Money& money);
std::string chartAsText(const engine::Chart& chart, const platform::Money& money);
std::string chartAsCsv(const engine::Chart& chart);
std::string chartAsJson(const engine::Chart& chart, const platform::Money& money);
std::string chartAsHtml(const engine::Chart& chart, const platform::Money& money);

} // namespace cli
