#include <cstdlib>

#include "store/HandStore.h"

namespace store {

std::filesystem::path defaultStorePath()
{
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && std::filesystem::path(xdg).is_absolute())
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".local" / "share";
    else
        base = std::filesystem::current_path();
    return base / "brisvane-tablewise" / "hands.sqlite";
}

} // namespace store
