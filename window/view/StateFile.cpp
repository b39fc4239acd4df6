#include "window/view/StateFile.h"

#include <cstdlib>

#include "window/model/StateDump.h"

namespace window::view {

bool writeStateFile(const FrmPoker& frm, const std::string& path)
{
    std::string dump;
    appendStateDump(dump, frm);
    return writeDumpFile(dump, path);
}

bool writeStateFileIfAsked(const FrmPoker& frm)
{
    const char* path = std::getenv(kStateFileVariable);
    if (!path || !*path)
        return true;
    return writeStateFile(frm, path);
}

} // namespace window::view
