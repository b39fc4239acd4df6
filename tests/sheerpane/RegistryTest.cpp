// The registry of controls: its text, its file (locked, replaced whole, never
// overwritten when damaged), and what registering the control puts in and
// takes out again.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include <unistd.h>

#include "platform/PlatformError.h"
#include "platform/propertybag/PropertyErrors.h"
#include "sheerpane/registry/Guid.h"
#include "sheerpane/registry/RegistryFile.h"
#include "sheerpane/server/Registration.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TextReaderChecks.h"

namespace {

namespace fs = std::filesystem;
using namespace sheerpane;
using testsupport::readFile;
using testsupport::writeFile;

Registry sample()
{
    Registry registry;
    registry.put({"Classes/{11111111-2222-3333-4444-555555555555}",
                  {{"Library", {std::string("/opt/other/libOther.so")}},
                   {"Mixed", {std::int32_t{-2147483647 - 1}, std::string("a \"q\" \\ \r\n\t\x01 caf\xC3\xA9"),
                              std::int32_t{2147483647}}}}});
    registry.put({"ProgIDs/Other.Thing", {{"Class", {std::string("{11111111-2222-3333-4444-555555555555}")}}}});
    registry.put({"Empty/Section", {}});
    return registry;
}

TEST(RegistryText, EverythingSurvivesWritingAndReadingAndTheTextIsStable)
{
    const Registry registry = sample();
    const std::string text = writeRegistryText(registry);
    EXPECT_EQ(readRegistryText(text), registry);
    EXPECT_EQ(writeRegistryText(readRegistryText(text)), text);
    EXPECT_NE(text.find("\n[ProgIDs/Other.Thing]\nClass = \"{11111111-2222-3333-4444-555555555555}\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Mixed = -2147483648 \"a \\\"q\\\" \\\\ \\r\\n\\t\\x01 caf\xC3\xA9\" 2147483647\n"),
              std::string::npos)
        << text;
}

TEST(RegistryText, AcceptsCommentsBlankLinesSpacesAndCarriageReturns)
{
    const Registry registry = readRegistryText("# mine\r\n\r\ncontrol-registry 1\r\n  [A/B]  \r\n  X=1 \"y\"  \r\n\n");
    ASSERT_NE(registry.find("A/B"), nullptr);
    EXPECT_EQ(registry.find("A/B")->values, (std::vector<RegistryValue>{{"X", {std::int32_t{1}, std::string("y")}}}));
    EXPECT_TRUE(readRegistryText("control-registry 1").empty());
}

struct Damage {
    const char* text;
    const char* mentions;
};

class DamagedRegistry : public testing::TestWithParam<Damage> {};

TEST_P(DamagedRegistry, IsRefusedWithTheLineAndTheFault)
{
    try {
        readRegistryText(GetParam().text);
        FAIL() << "accepted: " << GetParam().text;
    } catch (const platform::PlatformError& error) {
        EXPECT_EQ(error.number(), platform::kErrInvalidFileFormat);
        EXPECT_NE(error.description().find(GetParam().mentions), std::string::npos) << error.description();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedRegistry,
    testing::Values(Damage{"", "empty"}, Damage{"# nothing\n\n", "empty"},
                    Damage{"control-registry 2\n", "line 1: expected \"control-registry 1\""},
                    Damage{"control-registry 1\nX = 1\n", "line 2: a value before the first section"},
                    Damage{"control-registry 1\n[A\n", "no closing"},
                    Damage{"control-registry 1\n[]\n", "not a section name"},
                    Damage{"control-registry 1\n[A//B]\n", "not a section name"},
                    Damage{"control-registry 1\n[/A]\n", "not a section name"},
                    Damage{"control-registry 1\n[A] x\n", "after the section name"},
                    Damage{"control-registry 1\n[A]\n[A]\n", "line 3: section [A] is given twice"},
                    Damage{"control-registry 1\n[A]\nX = 1\nX = 2\n", "line 4: X is given twice"},
                    Damage{"control-registry 1\n[A]\n9X = 1\n", "expected a value name"},
                    Damage{"control-registry 1\n[A]\nX 1\n", "expected \"=\""},
                    Damage{"control-registry 1\n[A]\nX =\n", "nothing after"},
                    Damage{"control-registry 1\n[A]\nX = 2147483648\n", "neither a 32-bit integer"},
                    Damage{"control-registry 1\n[A]\nX = yes\n", "neither a 32-bit integer"},
                    Damage{"control-registry 1\n[A]\nX = \"open\n", "no closing quote"},
                    Damage{"control-registry 1\n[A]\nX = \"a\\q\"\n", "unknown escape"},
                    Damage{"control-registry 1\n[A]\nX = \"\\x4\"\n", "two hexadecimal digits"},
                    Damage{"control-registry 1\n[A]\nX = \"tab\there\"\n", "control character"},
                    Damage{"control-registry 1\n[A]\nX = \"ends in \\", "escape"}));

TEST(RegistryText, NoPrefixOfAValidTextCrashesTheReader)
{
    testsupport::expectEveryPrefixReadOrRefused(writeRegistryText(sample()), readRegistryText);
}

TEST(Registry, PutReplacesInPlaceAndRefusesWhatCouldNotBeReadBack)
{
    Registry registry = sample();
    registry.put({"ProgIDs/Other.Thing", {{"Class", {std::string("new")}}}});
    EXPECT_EQ(registry.sections()[1].values[0].items[0], RegistryItem(std::string("new")));
    EXPECT_TRUE(registry.remove("Empty/Section"));
    EXPECT_FALSE(registry.remove("Empty/Section"));
    for (const RegistrySection& bad : {RegistrySection{"", {}}, RegistrySection{"A]B", {}},
                                       RegistrySection{"A/", {}}, RegistrySection{"A", {{"9", {std::int32_t{1}}}}},
                                       RegistrySection{"A", {{"X", {}}}},
                                       RegistrySection{"A", {{"X", {std::int32_t{1}}}, {"X", {std::int32_t{2}}}}}})
        EXPECT_THROW(registry.put(bad), platform::PlatformError) << bad.path;
    EXPECT_EQ(registry.sections().size(), 2U);
}

TEST(Guid, TextFormRoundTripsAndOnlyThatFormIsRead)
{
    const Guid guid{0x9030E8DF, 0x3D8A, 0x4EF5, {0xB6, 0x32, 0x2B, 0xAC, 0x10, 0x76, 0x2D, 0x6E}};
    EXPECT_EQ(toString(guid), "{9030E8DF-3D8A-4EF5-B632-2BAC10762D6E}");
    EXPECT_EQ(parseGuid("{9030e8df-3d8a-4ef5-b632-2bac10762d6e}"), guid);
    for (const char* bad : {"9030E8DF-3D8A-4EF5-B632-2BAC10762D6E", "{9030E8DF-3D8A-4EF5-B632-2BAC10762D6}",
                            "{9030E8DF-3D8A-4EF5-B6322-BAC10762D6E}", "{9030E8DG-3D8A-4EF5-B632-2BAC10762D6E}", ""})
        EXPECT_FALSE(parseGuid(bad)) << bad;
}

// ---------------------------------------------------------------- the file

struct RegistryFileTest : testing::Test {
    fs::path folder = fs::temp_directory_path() / ("sheerpane-registry-" + std::to_string(::getpid()));
    fs::path file = folder / "control-registry" / "registry";

    void SetUp() override { fs::remove_all(folder); }
    void TearDown() override { fs::remove_all(folder); }
};

TEST_F(RegistryFileTest, ChangesAreWrittenWholeAndAnEmptyRegistryLeavesNoFile)
{
    EXPECT_TRUE(loadRegistry(file).empty());
    updateRegistry(file, [](Registry& r) {
        r = sample();
        return true;
    });
    EXPECT_EQ(readFile(file), writeRegistryText(sample()));
    EXPECT_EQ(loadRegistry(file), sample());
    // Nothing changed: nothing written.
    writeFile(file, "# by hand\n" + writeRegistryText(sample()));
    updateRegistry(file, [](Registry&) { return false; });
    EXPECT_EQ(readFile(file).rfind("# by hand\n", 0), 0U);
    updateRegistry(file, [](Registry& r) {
        r = Registry{};
        return true;
    });
    EXPECT_FALSE(fs::exists(file));
    // No temporary files are left beside it.
    EXPECT_TRUE(fs::is_empty(file.parent_path()));
}

TEST_F(RegistryFileTest, ADamagedFileIsLeftAsItIs)
{
    const std::string damaged = "control-registry 1\n[Classes/x]\nLibrary = \"unterminated\n";
    writeFile(file, damaged);
    bool changed = false;
    try {
        updateRegistry(file, [&](Registry&) { return changed = true; });
        FAIL() << "no error";
    } catch (const platform::PlatformError& error) {
        EXPECT_EQ(error.number(), platform::kErrInvalidFileFormat);
        EXPECT_NE(error.description().find("line 3"), std::string::npos);
        EXPECT_NE(error.description().find(file.string()), std::string::npos);
    }
    EXPECT_FALSE(changed);
    EXPECT_EQ(readFile(file), damaged);
}

TEST_F(RegistryFileTest, AFileThatCannotBeReadOrAFolderThatCannotBeMadeIsAnAccessError)
{
    fs::create_directories(file); // a folder where the file should be
    try {
        loadRegistry(file);
        FAIL() << "read a folder";
    } catch (const platform::PlatformError& error) {
        EXPECT_EQ(error.number(), kErrPathFileAccess);
    }
    fs::remove_all(folder);
    writeFile(folder / "plain", "x");
    try {
        updateRegistry(folder / "plain" / "control-registry" / "registry", [](Registry&) { return true; });
        FAIL() << "no error";
    } catch (const platform::PlatformError& error) {
        EXPECT_EQ(error.number(), kErrPathFileAccess);
    }
}

TEST_F(RegistryFileTest, ProgramsChangingItAtOnceLoseNothing)
{
    std::vector<std::thread> writers;
    for (int w = 0; w < 4; ++w)
        writers.emplace_back([&, w] {
            for (int i = 0; i < 25; ++i)
                updateRegistry(file, [&](Registry& r) {
                    r.put({"W" + std::to_string(w) + "/" + std::to_string(i), {{"N", {std::int32_t{i}}}}});
                    return true;
                });
        });
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(loadRegistry(file).sections().size(), 100U);
}

TEST(RegistryPath, IsUnderXdgDataHomeWhenAbsoluteElseUnderTheHomeFolder)
{
    const std::string savedData = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/player", 1);
    ::setenv("XDG_DATA_HOME", "/data/player", 1);
    EXPECT_EQ(registryPath(), fs::path("/data/player/control-registry/registry"));
    ::setenv("XDG_DATA_HOME", "relative/data", 1);
    EXPECT_EQ(registryPath(), fs::path("/home/player/.local/share/control-registry/registry"));
    ::unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(registryPath(), fs::path("/home/player/.local/share/control-registry/registry"));
    ::setenv("HOME", savedHome.c_str(), 1);
    if (!savedData.empty())
        ::setenv("XDG_DATA_HOME", savedData.c_str(), 1);
}

// ---------------------------------------------------------------- registration

TEST(Registration, TwiceIsOnceAndUnregisteringGivesBackTheRegistryAsItWas)
{
    const Registry before = sample();
    Registry registry = before;
    EXPECT_TRUE(registerControl(registry, sheerpaneType(), "/opt/a/libSheerpaneLib.so"));
    const Registry once = registry;
    EXPECT_FALSE(registerControl(registry, sheerpaneType(), "/opt/a/libSheerpaneLib.so"));
    EXPECT_EQ(registry, once);
    EXPECT_TRUE(unregisterControl(registry, sheerpaneType(), "/opt/a/libSheerpaneLib.so"));
    EXPECT_EQ(registry, before);
    EXPECT_FALSE(unregisterControl(registry, sheerpaneType(), "/opt/a/libSheerpaneLib.so"));
}

TEST(Registration, ACopyElsewhereTakesTheNameOverAndUnregisteringTheOldCopyLeavesIt)
{
    Registry registry;
    registerControl(registry, sheerpaneType(), "/opt/old/libSheerpaneLib.so");
    registerControl(registry, sheerpaneType(), "/opt/new/libSheerpaneLib.so");
    const Registry current = registry;
    EXPECT_EQ(registry.find("Classes/" + toString(sheerpaneType().classId))->text("Library"),
              "/opt/new/libSheerpaneLib.so");
    EXPECT_FALSE(unregisterControl(registry, sheerpaneType(), "/opt/old/libSheerpaneLib.so"));
    EXPECT_EQ(registry, current);
    EXPECT_TRUE(unregisterControl(registry, sheerpaneType(), "/opt/new/libSheerpaneLib.so"));
    EXPECT_TRUE(registry.empty());
}

} // namespace
