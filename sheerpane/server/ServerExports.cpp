// The four in-process server functions, the library's C interface.

#include <dlfcn.h>

#include <climits>
#include <cstdlib>
#include <new>
#include <string>

#include <QtGlobal>

#include "platform/PlatformError.h"
#include "platform/propertybag/PropertyErrors.h"
#include "sheerpane/SheerpaneLib.h"
#include "sheerpane/registry/RegistryFile.h"
#include "sheerpane/server/ClassFactory.h"
#include "sheerpane/server/LiveObjects.h"
#include "sheerpane/server/Registration.h"

namespace {

using namespace sheerpane;

// This library's own file, as the registry names it.
std::string libraryPath()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&DllRegisterServer), &info) == 0 || !info.dli_fname)
        throw platform::PlatformError(kErrPathFileAccess, "Path/File access error: the library cannot find its own file");
    char resolved[PATH_MAX];
    if (!realpath(info.dli_fname, resolved))
        return info.dli_fname;
    return resolved;
}

SpResult resultOf(const platform::PlatformError& error, const char* doing)
{
    qWarning("SheerpaneLib: %s failed: %s", doing, error.description().c_str());
    if (error.number() == platform::kErrInvalidFileFormat) {
        qWarning("SheerpaneLib: the registry file was left as it is; repair or remove it, then try again.");
        return SP_E_REGISTRY_DAMAGED;
    }
    return SP_E_REGISTRY_ACCESS;
}

template <class Edit>
SpResult changeRegistry(const char* doing, Edit edit)
{
    try {
        const std::string library = libraryPath();
        updateRegistry(registryPath(), [&](Registry& registry) { return edit(registry, library); });
        return SP_S_OK;
    } catch (const platform::PlatformError& error) {
        return resultOf(error, doing);
    } catch (const std::bad_alloc&) {
        return SP_E_OUTOFMEMORY;
    } catch (...) {
        return SP_E_UNEXPECTED;
    }
}

} // namespace

extern "C" {

SpResult DllRegisterServer(void)
{
    return changeRegistry("registering", [](Registry& registry, const std::string& library) {
        return registerControl(registry, sheerpaneType(), library);
    });
}

SpResult DllUnregisterServer(void)
{
    return changeRegistry("unregistering", [](Registry& registry, const std::string& library) {
        return unregisterControl(registry, sheerpaneType(), library);
    });
}

SpResult DllGetClassObject(const SpGuid* clsid, const SpGuid* iid, void** object)
{
    if (!object)
        return SP_E_POINTER;
    *object = nullptr;
    if (!clsid || !iid)
        return SP_E_POINTER;
    const SpGuid ours = SP_CLSID_Sheerpane;
    if (!sameGuid(*clsid, ours))
        return SP_E_CLASSNOTAVAILABLE;
    SpClassFactory* factory = nullptr;
    try {
        factory = newClassFactory();
    } catch (const std::bad_alloc&) {
        return SP_E_OUTOFMEMORY;
    }
    // Handing it out through QueryInterface counts it once more.
    const SpResult result = factory->lpVtbl->QueryInterface(factory, iid, object);
    factory->lpVtbl->Release(factory);
    return result;
}

SpResult DllCanUnloadNow(void)
{
    return LiveObjects::none() ? SP_S_OK : SP_S_FALSE;
}

} // extern "C"
