#include "sheerpane/demo/ControlServer.h"

#include <dlfcn.h>

#include <cstdio>
#include <stdexcept>

#include "platform/PlatformError.h"
#include "sheerpane/registry/Guid.h"
#include "sheerpane/registry/RegistryFile.h"

namespace sheerpanedemo {

namespace {

template <class Function>
Function resolve(void* library, const char* name, const std::string& path)
{
    void* symbol = dlsym(library, name);
    if (!symbol)
        throw std::runtime_error(path + " is not a control library: it has no " + name);
    return reinterpret_cast<Function>(symbol);
}

void check(SpResult result, const std::string& doing)
{
    if (result != SP_S_OK)
        throw std::runtime_error(doing + " failed: " + describeResult(result));
}

SpGuid toSpGuid(const sheerpane::Guid& guid)
{
    SpGuid out{guid.data1, guid.data2, guid.data3, {}};
    for (std::size_t i = 0; i < 8; ++i)
        out.data4[i] = guid.data4[i];
    return out;
}

} // namespace

std::string describeResult(SpResult result)
{
    switch (result) {
    case SP_S_OK: return "success";
    case SP_E_UNEXPECTED: return "unexpected failure (is there a running application?)";
    case SP_E_NOINTERFACE: return "the object does not offer that interface";
    case SP_E_POINTER: return "a missing pointer";
    case SP_E_OUTOFMEMORY: return "out of memory";
    case SP_E_NOAGGREGATION: return "the control cannot be aggregated";
    case SP_E_CLASSNOTAVAILABLE: return "the library has no such class";
    case SP_E_REGISTRY_ACCESS: return "the registry could not be read or written";
    case SP_E_REGISTRY_DAMAGED: return "the registry file is damaged (left as it is)";
    default: {
        char code[16];
        std::snprintf(code, sizeof code, "0x%08X", static_cast<unsigned>(result));
        return std::string("error ") + code;
    }
    }
}

ControlServer::ControlServer(const std::string& libraryPath) : path_(libraryPath)
{
    void* library = dlopen(libraryPath.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library)
        throw std::runtime_error("cannot load " + libraryPath + ": " + dlerror());
    registerServer_ = resolve<Call>(library, "DllRegisterServer", path_);
    unregisterServer_ = resolve<Call>(library, "DllUnregisterServer", path_);
    canUnloadNow_ = resolve<Call>(library, "DllCanUnloadNow", path_);
    getClassObject_ = resolve<GetClassObject>(library, "DllGetClassObject", path_);
}

void ControlServer::registerServer() { check(registerServer_(), "Registering " + path_); }
void ControlServer::unregisterServer() { check(unregisterServer_(), "Unregistering " + path_); }
bool ControlServer::canUnloadNow() { return canUnloadNow_() == SP_S_OK; }

QWidget* ControlServer::createControl(const SpGuid& classId)
{
    const SpGuid iidFactory = SP_IID_IClassFactory;
    const SpGuid iidWidget = SP_IID_QWidget;
    void* object = nullptr;
    check(getClassObject_(&classId, &iidFactory, &object), "Getting the class factory");
    auto* factory = static_cast<SpClassFactory*>(object);
    void* control = nullptr;
    const SpResult result = factory->lpVtbl->CreateInstance(factory, nullptr, &iidWidget, &control);
    factory->lpVtbl->Release(factory);
    check(result, "Creating the control");
    return static_cast<QWidget*>(control);
}

QWidget* createRegisteredControl(const std::string& progId)
{
    sheerpane::Registry registry;
    try {
        registry = sheerpane::loadRegistry(sheerpane::registryPath());
    } catch (const platform::PlatformError& error) {
        throw std::runtime_error(error.description());
    }
    const sheerpane::RegistrySection* name = registry.find("ProgIDs/" + progId);
    if (!name)
        throw std::runtime_error(progId + " is not registered");
    const std::string classText = name->text("Class");
    const auto classId = sheerpane::parseGuid(classText);
    const sheerpane::RegistrySection* entry = registry.find("Classes/" + classText);
    if (!classId || !entry || entry->text("Library").empty())
        throw std::runtime_error("the registration of " + progId + " is incomplete");
    ControlServer server(entry->text("Library"));
    return server.createControl(toSpGuid(*classId));
}

} // namespace sheerpanedemo
