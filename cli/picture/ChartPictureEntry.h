#pragma once
// The one function of the picture module, which paints charts with Qt Gui.
// The command loads the module only to write a picture, so that every other
// command starts without Qt. Both sides are built together from these
// declarations; the version in the name goes up whenever they change, so that
// a module left from an older build is refused rather than misread.

#include "engine/Chart.h"

namespace cli {

// Writes `chart` under `title` (UTF-8) as a PNG file at `path`; 1 when
// written, 0 when the file could not be written.
using ChartPictureWriter = int(const engine::Chart* chart, const char* title, const char* path);

inline constexpr const char* kChartPictureWriterName = "tablewise_write_chart_png_v1";

} // namespace cli
