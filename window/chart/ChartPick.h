#pragma once
// A picked chart cell entered in the main window as a player would enter it,
// through the window's input API: the big blind typed into its box and
// formatted on leaving it, the hand typed over the hole cards, Suited, the
// position, the action and, in a limped pot, the number of limpers. The
// window then shows the cell's group, bet and advice.

#include <string_view>

#include "engine/Chart.h"

namespace window {

class FrmPoker;

void enterChartCell(FrmPoker& frm, const engine::ChartSituation& situation, std::string_view hand);

} // namespace window
