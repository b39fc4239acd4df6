// The library as hosts load it: its four exports, the registry they write,
// and the class factory.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <QApplication>
#include <QVariant>
#include <QWidget>

#include <unistd.h>

#include "sheerpane/SheerpaneLib.h"
#include "sheerpane/registry/RegistryFile.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;
using sheerpane::Registry;
using testsupport::readFile;
using testsupport::writeFile;

const SpGuid kClsid = SP_CLSID_Sheerpane;
const SpGuid kIidFactory = SP_IID_IClassFactory;
const SpGuid kIidUnknown = SP_IID_IUnknown;
const SpGuid kIidWidget = SP_IID_QWidget;
const std::string kClassSection = "Classes/{9030E8DF-3D8A-4EF5-B632-2BAC10762D6E}";
const std::string kTypeLib = "TypeLibs/{A27F1D62-732B-4D9A-ADCC-F5A8257DF2B5}";

std::vector<std::string> warnings;
void noteWarning(QtMsgType, const QMessageLogContext&, const QString& text)
{
    warnings.push_back(text.toStdString());
}

struct Server : testing::Test {
    fs::path home = fs::temp_directory_path() / ("sheerpane-server-" + std::to_string(::getpid()));
    fs::path registry = home / "data" / "control-registry" / "registry";
    std::string library = fs::canonical(SHEERPANE_LIBRARY_FILE).string();

    void SetUp() override
    {
        fs::remove_all(home);
        ::setenv("XDG_DATA_HOME", (home / "data").c_str(), 1);
        ::setenv("HOME", (home / "home").c_str(), 1);
        warnings.clear();
    }
    void TearDown() override { fs::remove_all(home); }

    SpClassFactory* factory()
    {
        void* object = nullptr;
        EXPECT_EQ(DllGetClassObject(&kClsid, &kIidFactory, &object), SP_S_OK);
        return static_cast<SpClassFactory*>(object);
    }
};

TEST_F(Server, RegistersTheClassItsNameItsLibraryAndItsDescription)
{
    ASSERT_EQ(DllRegisterServer(), SP_S_OK);
    const Registry written = sheerpane::loadRegistry(registry);
    ASSERT_NE(written.find(kClassSection), nullptr);
    EXPECT_EQ(written.find(kClassSection)->text("Library"), library);
    EXPECT_EQ(written.find(kClassSection)->text("ProgID"), "SheerpaneLib.Sheerpane");
    EXPECT_EQ(written.find("ProgIDs/SheerpaneLib.Sheerpane")->text("Class"),
              "{9030E8DF-3D8A-4EF5-B632-2BAC10762D6E}");
    EXPECT_EQ(written.find(kTypeLib)->text("Library"), library);
    EXPECT_EQ(written.find(kTypeLib + "/Properties")->values.size(), 19U);
    EXPECT_EQ(written.find(kTypeLib + "/Events")->values.size(), 8U);
    for (const char* enumeration : {"AppearanceConstants", "BackStyleConstants", "BorderStyles"})
        EXPECT_NE(written.find(kTypeLib + "/Enumerations/" + enumeration), nullptr) << enumeration;
}

TEST_F(Server, RegisteringTwiceIsHarmlessAndUnregisteringRemovesExactlyWhatWasWritten)
{
    // On its own: nothing left afterwards.
    ASSERT_EQ(DllRegisterServer(), SP_S_OK);
    ASSERT_EQ(DllUnregisterServer(), SP_S_OK);
    EXPECT_FALSE(fs::exists(registry));

    // Beside another control's entries: they are kept to the byte.
    Registry other;
    other.put({"Classes/{11111111-2222-3333-4444-555555555555}", {{"Library", {std::string("/opt/libOther.so")}}}});
    other.put({"ProgIDs/Other.Thing", {{"Class", {std::string("{11111111-2222-3333-4444-555555555555}")}}}});
    const std::string before = sheerpane::writeRegistryText(other);
    writeFile(registry, before);
    ASSERT_EQ(DllRegisterServer(), SP_S_OK);
    const std::string once = readFile(registry);
    ASSERT_EQ(DllRegisterServer(), SP_S_OK);
    EXPECT_EQ(readFile(registry), once);
    ASSERT_EQ(DllUnregisterServer(), SP_S_OK);
    EXPECT_EQ(readFile(registry), before);
    // Unregistering what is not there changes nothing.
    EXPECT_EQ(DllUnregisterServer(), SP_S_OK);
    EXPECT_EQ(readFile(registry), before);
}

TEST_F(Server, ARegistrationOfAnotherCopyIsNotRemoved)
{
    Registry elsewhere;
    sheerpane::RegistrySection entry{kClassSection, {{"Library", {std::string("/opt/copy/libSheerpaneLib.so")}}}};
    elsewhere.put(entry);
    const std::string before = sheerpane::writeRegistryText(elsewhere);
    writeFile(registry, before);
    EXPECT_EQ(DllUnregisterServer(), SP_S_OK);
    EXPECT_EQ(readFile(registry), before);
}

TEST_F(Server, ADamagedRegistryIsAClearErrorAndIsLeftAsItIs)
{
    const std::string damaged = "control-registry 1\n[Classes/x]\nLibrary \"no equals sign\"\n";
    writeFile(registry, damaged);
    qInstallMessageHandler(noteWarning);
    const SpResult registered = DllRegisterServer();
    const SpResult unregistered = DllUnregisterServer();
    qInstallMessageHandler(nullptr);
    EXPECT_EQ(registered, SP_E_REGISTRY_DAMAGED);
    EXPECT_EQ(unregistered, SP_E_REGISTRY_DAMAGED);
    EXPECT_EQ(readFile(registry), damaged);
    ASSERT_FALSE(warnings.empty());
    EXPECT_NE(warnings.front().find("line 3"), std::string::npos) << warnings.front();
    EXPECT_NE(warnings.front().find(registry.string()), std::string::npos) << warnings.front();
}

TEST_F(Server, ARegistryThatCannotBeWrittenIsAnAccessError)
{
    writeFile(home / "not-a-folder", "x");
    ::setenv("XDG_DATA_HOME", (home / "not-a-folder").c_str(), 1);
    qInstallMessageHandler(noteWarning);
    EXPECT_EQ(DllRegisterServer(), SP_E_REGISTRY_ACCESS);
    qInstallMessageHandler(nullptr);
}

TEST_F(Server, TheClassObjectIsOnlyTheControlsFactory)
{
    void* object = &object;
    const SpGuid other = SP_LIBID_SheerpaneLib;
    EXPECT_EQ(DllGetClassObject(&other, &kIidFactory, &object), SP_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(DllGetClassObject(&kClsid, &kIidWidget, &object), SP_E_NOINTERFACE);
    EXPECT_EQ(DllGetClassObject(nullptr, &kIidFactory, &object), SP_E_POINTER);
    EXPECT_EQ(DllGetClassObject(&kClsid, &kIidFactory, nullptr), SP_E_POINTER);
    ASSERT_EQ(DllGetClassObject(&kClsid, &kIidUnknown, &object), SP_S_OK);
    auto* unknown = static_cast<SpClassFactory*>(object);
    void* again = nullptr;
    ASSERT_EQ(unknown->lpVtbl->QueryInterface(unknown, &kIidFactory, &again), SP_S_OK);
    EXPECT_EQ(again, object);
    EXPECT_EQ(unknown->lpVtbl->Release(unknown), 1U);
    EXPECT_EQ(unknown->lpVtbl->Release(unknown), 0U);
    EXPECT_EQ(DllCanUnloadNow(), SP_S_OK);
}

TEST_F(Server, TheFactoryMakesControlsTheHostOwns)
{
    SpClassFactory* made = factory();
    ASSERT_NE(made, nullptr);
    void* object = nullptr;
    int outer = 0;
    EXPECT_EQ(made->lpVtbl->CreateInstance(made, &outer, &kIidWidget, &object), SP_E_NOAGGREGATION);
    EXPECT_EQ(made->lpVtbl->CreateInstance(made, nullptr, &kIidFactory, &object), SP_E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    ASSERT_EQ(made->lpVtbl->CreateInstance(made, nullptr, &kIidWidget, &object), SP_S_OK);
    made->lpVtbl->Release(made);

    auto* control = static_cast<QWidget*>(object);
    EXPECT_STREQ(control->metaObject()->className(), "Sheerpane");
    EXPECT_EQ(control->parent(), nullptr);
    EXPECT_TRUE(control->setProperty("Caption", QStringLiteral("Odds")));
    EXPECT_EQ(control->property("Caption").toString(), QStringLiteral("Odds"));
    EXPECT_EQ(DllCanUnloadNow(), SP_S_FALSE);
    delete control;
    EXPECT_EQ(DllCanUnloadNow(), SP_S_OK);
}

TEST_F(Server, CanUnloadOnlyWhenNoObjectIsAliveAndNoLockIsHeld)
{
    EXPECT_EQ(DllCanUnloadNow(), SP_S_OK);
    SpClassFactory* made = factory();
    EXPECT_EQ(DllCanUnloadNow(), SP_S_FALSE);
    made->lpVtbl->LockServer(made, 1);
    made->lpVtbl->Release(made);
    EXPECT_EQ(DllCanUnloadNow(), SP_S_FALSE); // locked
    made = factory();
    made->lpVtbl->LockServer(made, 0);
    made->lpVtbl->LockServer(made, 0); // one too many: no effect
    made->lpVtbl->Release(made);
    EXPECT_EQ(DllCanUnloadNow(), SP_S_OK);
    made = factory();
    made->lpVtbl->LockServer(made, 1);
    made->lpVtbl->Release(made);
    EXPECT_EQ(DllCanUnloadNow(), SP_S_FALSE);
    made = factory();
    made->lpVtbl->LockServer(made, 0);
    made->lpVtbl->Release(made);
    EXPECT_EQ(DllCanUnloadNow(), SP_S_OK);
}

} // namespace
