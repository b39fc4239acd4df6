#include "sheerpane/server/ClassFactory.h"

#include <atomic>
#include <cstring>
#include <new>

#include <QApplication>

#include "sheerpane/Sheerpane.h"
#include "sheerpane/server/LiveObjects.h"

namespace sheerpane {

namespace {

const SpGuid kIidUnknown = SP_IID_IUnknown;
const SpGuid kIidClassFactory = SP_IID_IClassFactory;
const SpGuid kIidQWidget = SP_IID_QWidget;

// The table comes first, so that the object is an SpClassFactory.
struct Factory {
    SpClassFactory face;
    std::atomic<std::uint32_t> count{1};
};

Factory* factoryOf(SpClassFactory* self)
{
    return reinterpret_cast<Factory*>(self);
}

std::uint32_t addRef(SpClassFactory* self)
{
    return ++factoryOf(self)->count;
}

std::uint32_t release(SpClassFactory* self)
{
    Factory* factory = factoryOf(self);
    const std::uint32_t left = --factory->count;
    if (left == 0) {
        delete factory;
        LiveObjects::remove();
    }
    return left;
}

SpResult queryInterface(SpClassFactory* self, const SpGuid* iid, void** object)
{
    if (!object)
        return SP_E_POINTER;
    *object = nullptr;
    if (!self || !iid)
        return SP_E_POINTER;
    if (!sameGuid(*iid, kIidUnknown) && !sameGuid(*iid, kIidClassFactory))
        return SP_E_NOINTERFACE;
    addRef(self);
    *object = self;
    return SP_S_OK;
}

SpResult createInstance(SpClassFactory* self, void* outer, const SpGuid* iid, void** object)
{
    if (!object)
        return SP_E_POINTER;
    *object = nullptr;
    if (!self || !iid)
        return SP_E_POINTER;
    if (outer)
        return SP_E_NOAGGREGATION;
    if (!sameGuid(*iid, kIidQWidget))
        return SP_E_NOINTERFACE;
    // A widget needs the application; without one Qt would abort.
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return SP_E_UNEXPECTED;
    try {
        *object = static_cast<QWidget*>(new Sheerpane());
        return SP_S_OK;
    } catch (const std::bad_alloc&) {
        return SP_E_OUTOFMEMORY;
    } catch (...) {
        return SP_E_UNEXPECTED;
    }
}

SpResult lockServer(SpClassFactory*, std::int32_t lock)
{
    if (lock)
        LiveObjects::lock();
    else
        LiveObjects::unlock();
    return SP_S_OK;
}

const SpClassFactoryVtbl kTable = {queryInterface, addRef, release, createInstance, lockServer};

} // namespace

bool sameGuid(const SpGuid& a, const SpGuid& b)
{
    return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3 &&
           std::memcmp(a.data4, b.data4, sizeof a.data4) == 0;
}

SpClassFactory* newClassFactory()
{
    auto* factory = new Factory{{&kTable}, {}};
    factory->count = 1;
    LiveObjects::add();
    return &factory->face;
}

} // namespace sheerpane
