#pragma once
// What an import tells the player: one line of counts, and the problems one
// to a line.

#include <string>

#include "store/HandStore.h"

namespace window::review {

// "3 files read, 1 unchanged: 120 hands new, 4 already stored, 2 skipped (variant 1, syntax 1)."
std::string importResultLine(const store::ImportReport& report);
// "file:line: reason" lines; "" when there was none.
std::string importProblemsText(const store::ImportReport& report);

} // namespace window::review
