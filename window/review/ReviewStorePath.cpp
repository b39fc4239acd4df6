#include "window/review/ReviewStorePath.h"

#include <cstdlib>

#include "store/HandStore.h"

namespace window::review {

std::filesystem::path reviewStorePath()
{
    if (const char* path = std::getenv("TABLEWISE_REVIEW_DB"); path && *path)
        return path;
    return store::defaultStorePath();
}

} // namespace window::review
