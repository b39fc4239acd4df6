#pragma once
// The help file the build made, and the sources it was made from.

#include <string>

#include "tests/support/TestFiles.h"

namespace helptest {

inline const std::string kHelpFile = TABLEWISE_HELP_FILE;
inline const std::string kHelpSources = TABLEWISE_HELP_SOURCES;

using testsupport::readFile;

} // namespace helptest
