#pragma once
// The help file the build made, and the sources it was made from.

#include <fstream>
#include <sstream>
#include <string>

namespace helptest {

inline const std::string kHelpFile = TABLEWISE_HELP_FILE;
inline const std::string kHelpSources = TABLEWISE_HELP_SOURCES;

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace helptest
