#include "sheerpane/demo/DemoRegistration.h"

#include <cstdio>
#include <stdexcept>

#include "platform/PlatformError.h"
#include "sheerpane/demo/ControlServer.h"
#include "sheerpane/registry/RegistryFile.h"

namespace sheerpanedemo {

bool isRegistered(const std::string& progId)
{
    try {
        return sheerpane::loadRegistry(sheerpane::registryPath()).find("ProgIDs/" + progId) != nullptr;
    } catch (const platform::PlatformError& error) {
        throw std::runtime_error(error.description());
    }
}

DemoRegistration::DemoRegistration(ControlServer& server, const std::string& progId) : server_(server)
{
    if (isRegistered(progId))
        return;
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::path folder = sheerpane::registryPath().parent_path();
         !folder.empty() && folder != folder.root_path() && !fs::exists(folder, error); folder = folder.parent_path())
        madeFolders_.push_back(folder);
    server_.registerServer();
    added_ = true;
}

DemoRegistration::~DemoRegistration()
{
    if (!added_)
        return;
    try {
        server_.unregisterServer();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "sheerpane-demo: %s\n", error.what());
        return;
    }
    // Only an empty folder goes: whatever else was put there meanwhile stays.
    for (const std::filesystem::path& folder : madeFolders_) {
        std::error_code error;
        if (!std::filesystem::remove(folder, error))
            break;
    }
}

} // namespace sheerpanedemo
