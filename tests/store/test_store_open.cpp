// Opening a store: a new one is made with its folders; a file that is no
// store of this version is refused with a sentence naming it, and not touched.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "store/Database.h"
#include "store/DrillStore.h"
#include "store/RangeLibrary.h"
#include "store/HandStore.h"
#include "store/Schema.h"
#include "tests/store/GeneratedHands.h"
#include "tests/store/StoreTestFolder.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;
using storetest::StoreTest;
using testsupport::readFile;
using testsupport::writeFile;

// The message of the StoreError that opening throws, or "" when it opens.
std::string openError(const fs::path& db, store::HandStore::Mode mode = store::HandStore::Mode::ReadWrite)
{
    try {
        store::HandStore hands(db, mode);
    } catch (const store::StoreError& e) {
        return e.what();
    }
    return "";
}

void makeStore(const fs::path& db)
{
    store::HandStore hands(db);
}

struct RefusedFile {
    const char* name;
    std::function<void(const fs::path&)> make;
    std::function<std::string(const fs::path&)> message; // what the error must contain
};

std::string damaged(const fs::path& db)
{
    return db.string() + " is not a hand store or is damaged (";
}

const RefusedFile kRefused[] = {
    {"garbage", [](const fs::path& db) { writeFile(db, std::string(8192, '\x5a') + "not a database"); }, damaged},
    {"header_overwritten",
     [](const fs::path& db) {
         makeStore(db);
         std::string bytes = readFile(db);
         bytes.replace(0, 64, std::string(64, '#'));
         writeFile(db, bytes);
     },
     damaged},
    {"another_programs_database",
     [](const fs::path& db) {
         store::Database other(db, store::Database::Access::ReadWriteCreate);
         other.exec("CREATE TABLE recipes(name TEXT)");
     },
     damaged},
    {"newer_version",
     [](const fs::path& db) {
         makeStore(db);
         store::Database raw(db, store::Database::Access::ReadWrite);
         raw.exec(("PRAGMA user_version = " + std::to_string(store::kStoreVersion + 1)).c_str());
     },
     [](const fs::path& db) {
         return db.string() + " was written by a newer version of Brisvane Tablewise (store version "
             + std::to_string(store::kStoreVersion + 1) + "; this version reads up to "
             + std::to_string(store::kStoreVersion) + "). Nothing was changed.";
     }},
};

class RefusedStore : public StoreTest, public ::testing::WithParamInterface<RefusedFile> {};

TEST_P(RefusedStore, IsRefusedWithAClearMessageAndLeftAsItWas)
{
    GetParam().make(db);
    const std::string before = readFile(db);
    ASSERT_FALSE(before.empty());
    for (const auto mode : {store::HandStore::Mode::ReadWrite, store::HandStore::Mode::ReadOnly}) {
        const std::string message = openError(db, mode);
        EXPECT_NE(message.find(GetParam().message(db)), std::string::npos) << message;
    }
    // The drills open the same file with the same words.
    std::string drillMessage;
    try {
        store::DrillStore drills(db);
    } catch (const store::StoreError& e) {
        drillMessage = e.what();
    }
    EXPECT_NE(drillMessage.find(GetParam().message(db)), std::string::npos) << drillMessage;
    // So does the range library.
    std::string libraryMessage;
    try {
        store::RangeLibrary library(db);
    } catch (const store::StoreError& e) {
        libraryMessage = e.what();
    }
    EXPECT_NE(libraryMessage.find(GetParam().message(db)), std::string::npos) << libraryMessage;
    EXPECT_EQ(readFile(db), before);
    EXPECT_FALSE(fs::exists(db.string() + "-wal") && fs::file_size(db.string() + "-wal") > 0);
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedStore, ::testing::ValuesIn(kRefused),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(StoreTest, ANewStoreIsMadeWithItsFoldersAndOpensAgain)
{
    const fs::path deep = folder / "a" / "b" / "hands.sqlite";
    EXPECT_EQ(openError(deep), "");
    EXPECT_EQ(openError(deep), "");
    EXPECT_EQ(openError(deep, store::HandStore::Mode::ReadOnly), "");
    store::Database raw(deep, store::Database::Access::ReadOnly);
    EXPECT_EQ(raw.queryInteger("PRAGMA user_version"), store::kStoreVersion);
}

// A store of the first version, made before the index of the costliest
// differences, takes the index and keeps its hands.
TEST_F(StoreTest, AnOlderStoreIsUpgradedAndKeepsItsHands)
{
    writeFile(folder / "h.txt", storetest::roomTextHands(1, 20));
    std::uint64_t stored = 0;
    {
        store::HandStore hands(db);
        hands.importPaths({folder / "h.txt"});
        stored = hands.handCount();
    }
    {
        store::Database raw(db, store::Database::Access::ReadWrite);
        raw.exec("DROP INDEX decisions_costliest");
        raw.exec("DROP TABLE drill_cards");
        raw.exec("DROP TABLE drill_answers");
        raw.exec("DROP TABLE ranges");
        raw.exec("PRAGMA user_version = 1");
    }
    store::HandStore hands(db);
    EXPECT_EQ(hands.handCount(), stored);
    store::Database raw(db, store::Database::Access::ReadOnly);
    EXPECT_EQ(raw.queryInteger("PRAGMA user_version"), store::kStoreVersion);
    EXPECT_EQ(raw.queryInteger("SELECT count(*) FROM sqlite_schema WHERE name = 'decisions_costliest'"), 1);
}

TEST_F(StoreTest, AStoreThatCannotBeMadeOrIsMissingSaysWhy)
{
    writeFile(folder / "plain-file", "x");
    EXPECT_NE(openError(folder / "plain-file" / "hands.sqlite").find("cannot be created"), std::string::npos);
    EXPECT_EQ(openError(db, store::HandStore::Mode::ReadOnly), "No hands are stored in " + db.string() + " yet.");
    EXPECT_FALSE(fs::exists(db));
}

// Makes the folder read-only for this process: by its mode, or, for root,
// whom modes do not bind, by the file system's immutable flag. False when
// neither can be had here.
bool lockFolder(const fs::path& folder, bool lock)
{
    if (::geteuid() != 0) {
        fs::permissions(folder, lock ? fs::perms::owner_read | fs::perms::owner_exec : fs::perms::owner_all);
        return true;
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = lock ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

class ReadOnlyFolder : public StoreTest {
protected:
    void TearDown() override
    {
        lockFolder(locked, false);
        StoreTest::TearDown();
    }
    fs::path locked;
};

TEST_F(ReadOnlyFolder, NeitherMakesNorChangesAStoreAndSaysWhy)
{
    locked = folder / "locked";
    const fs::path existing = locked / "hands.sqlite";
    makeStore(existing);
    const std::string before = readFile(existing);
    if (!lockFolder(locked, true))
        GTEST_SKIP() << "no way to make a folder read-only here";
    for (const fs::path& store : {locked / "new.sqlite", existing}) {
        std::string message;
        try {
            store::HandStore hands(store);
            hands.importPaths({});
        } catch (const store::StoreError& e) {
            message = e.what();
        }
        EXPECT_TRUE(message.starts_with(store.string() + " cannot be")) << message;
    }
    EXPECT_FALSE(fs::exists(locked / "new.sqlite"));
    EXPECT_EQ(readFile(existing), before);
}

TEST_F(StoreTest, DefaultPathFollowsXdgDataHome)
{
    const char* savedXdg = std::getenv("XDG_DATA_HOME");
    const std::string xdg = savedXdg ? savedXdg : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    ::setenv("XDG_DATA_HOME", "/data/home", 1);
    EXPECT_EQ(store::defaultStorePath(), fs::path("/data/home/brisvane-tablewise/hands.sqlite"));
    ::setenv("XDG_DATA_HOME", "relative/not/used", 1);
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(store::defaultStorePath(), fs::path("/home/someone/.local/share/brisvane-tablewise/hands.sqlite"));
    ::setenv("HOME", home.c_str(), 1);
    if (savedXdg)
        ::setenv("XDG_DATA_HOME", xdg.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

} // namespace
