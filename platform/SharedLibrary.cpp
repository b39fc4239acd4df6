#include "platform/SharedLibrary.h"

#include <dlfcn.h>

namespace platform {

SharedLibrary::SharedLibrary(const std::string& runtimeName) : handle_(dlopen(runtimeName.c_str(), RTLD_NOW | RTLD_LOCAL))
{
    if (!handle_) {
        const char* why = dlerror();
        error_ = why ? why : runtimeName + ": not loaded";
    }
}

void* SharedLibrary::symbol(const char* name) const
{
    return handle_ ? dlsym(handle_, name) : nullptr;
}

} // namespace platform
