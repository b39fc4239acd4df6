#include "window/view/StateFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "window/model/StateDump.h"

namespace window::view {

bool writeStateFile(const FrmPoker& frm, const std::string& path)
{
    std::string dump;
    appendStateDump(dump, frm);
    const std::string temporary = path + ".part";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    bool ok = f && std::fwrite(dump.data(), 1, dump.size(), f) == dump.size();
    if (f)
        ok = std::fclose(f) == 0 && ok;
    if (ok)
        ok = std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        std::fprintf(stderr, "brisvane-tablewise: cannot write the state file %s: %s\n", path.c_str(),
                     std::strerror(errno));
        std::remove(temporary.c_str());
    }
    return ok;
}

bool writeStateFileIfAsked(const FrmPoker& frm)
{
    const char* path = std::getenv(kStateFileVariable);
    if (!path || !*path)
        return true;
    return writeStateFile(frm, path);
}

} // namespace window::view
