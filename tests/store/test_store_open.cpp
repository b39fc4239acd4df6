// Opening a store: a new one is made with its folders; a file that is no
// store of this version is refused with a sentence naming it, and not touched.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <tuple>

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

// Each class that opens a file as a store, and how.
struct StoreOpener {
    const char* name;
    std::function<void(const fs::path&)> open;
    bool creates; // makes a missing file
};

const StoreOpener kReadsHands{
    "hands_read_only", [](const fs::path& db) { store::HandStore hands(db, store::HandStore::Mode::ReadOnly); }, false};

const StoreOpener kOpeners[] = {
    {"hands", [](const fs::path& db) { store::HandStore hands(db); }, true},
    kReadsHands,
    {"drills", [](const fs::path& db) { store::DrillStore drills(db); }, true},
    {"ranges", [](const fs::path& db) { store::RangeLibrary library(db); }, true},
};

// The message of the StoreError that opening throws, or "" when it opens.
std::string openError(const StoreOpener& opener, const fs::path& db)
{
    try {
        opener.open(db);
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

class RefusedStore : public StoreTest,
                     public ::testing::WithParamInterface<std::tuple<RefusedFile, StoreOpener>> {};

TEST_P(RefusedStore, IsRefusedWithAClearMessageAndLeftAsItWas)
{
    const auto& [file, opener] = GetParam();
    file.make(db);
    const std::string before = readFile(db);
    ASSERT_FALSE(before.empty());
    const std::string message = openError(opener, db);
    EXPECT_NE(message.find(file.message(db)), std::string::npos) << message;
    EXPECT_EQ(readFile(db), before);
    EXPECT_FALSE(fs::exists(db.string() + "-wal") && fs::file_size(db.string() + "-wal") > 0);
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedStore, ::testing::Combine(::testing::ValuesIn(kRefused), ::testing::ValuesIn(kOpeners)),
                         [](const auto& test) {
                             return std::string(std::get<0>(test.param).name) + "_" + std::get<1>(test.param).name;
                         });

class OpenedStore : public StoreTest, public ::testing::WithParamInterface<StoreOpener> {};

// A store that opens files it lacks makes its folders, or says why it cannot,
// and what it made opens again, to write or to read; the read-only one says
// that nothing is stored yet and makes nothing.
TEST_P(OpenedStore, AMissingFolderIsMadeOrTheReasonGiven)
{
    const StoreOpener& opener = GetParam();
    writeFile(folder / "plain-file", "x");
    const fs::path blocked = folder / "plain-file" / "hands.sqlite";
    const fs::path deep = folder / "a" / "b" / "hands.sqlite";
    if (opener.creates) {
        EXPECT_TRUE(openError(opener, blocked).starts_with(blocked.string() + " cannot be created: its folder cannot be made ("))
            << openError(opener, blocked);
        EXPECT_EQ(openError(opener, deep), "");
        EXPECT_EQ(openError(opener, deep), "");
        EXPECT_EQ(openError(kReadsHands, deep), "");
        store::Database raw(deep, store::Database::Access::ReadOnly);
        EXPECT_EQ(raw.queryInteger("PRAGMA user_version"), store::kStoreVersion);
    } else {
        EXPECT_EQ(openError(opener, db), "No hands are stored in " + db.string() + " yet.");
        EXPECT_FALSE(fs::exists(deep.parent_path()));
    }
    EXPECT_FALSE(fs::exists(db));
}

INSTANTIATE_TEST_SUITE_P(Openers, OpenedStore, ::testing::ValuesIn(kOpeners),
                         [](const auto& test) { return std::string(test.param.name); });

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
