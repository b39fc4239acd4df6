// The import killed outright: the real program, stopped by SIGKILL in the
// middle of an import, leaves a store that opens, passes SQLite's integrity
// check and holds whole files only; the next import takes the rest.

#include <gtest/gtest.h>
#include <signal.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <string>
#include <thread>

#include "store/Database.h"
#include "store/HandStore.h"
#include "store/Statement.h"
#include "tests/store/GeneratedHands.h"
#include "tests/store/StoreTestFolder.h"
#include "tests/support/TestFiles.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kFiles = 200;
constexpr int kHandsPerFile = 200;

// Starts `tablewise import --db DB FOLDER` with its output thrown away.
pid_t startImport(const fs::path& db, const fs::path& folder)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string exe = TABLEWISE_EXE, command = "import", option = "--db", dbText = db.string(),
                folderText = folder.string();
    char* argv[] = {exe.data(), command.data(), option.data(), dbText.data(), folderText.data(), nullptr};
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

// Hands stored so far; 0 while the store is not there or is being made.
long long storedHands(const fs::path& db)
{
    try {
        store::Database conn(db, store::Database::Access::ReadOnly);
        conn.setBusyTimeout(1000);
        return conn.queryInteger("SELECT count(*) FROM hands");
    } catch (const store::StoreError&) {
        return 0;
    }
}

class KilledImport : public storetest::StoreTest {};

TEST_F(KilledImport, LeavesWholeFilesOnlyAndTheNextImportTakesTheRest)
{
    const fs::path in = folder / "in";
    for (int f = 0; f < kFiles; ++f)
        testsupport::writeFile(in / ("session-" + std::to_string(1000 + f) + ".txt"),
                               storetest::roomTextHands(static_cast<std::uint64_t>(f) * 1000 + 1, kHandsPerFile));

    const pid_t pid = startImport(db, in);
    ASSERT_GT(pid, 0);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (storedHands(db) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the import ended before it was killed; status " << status;

    std::map<long long, long long> handsPerFile;
    long long recordedFiles = 0;
    {
        store::Database conn(db, store::Database::Access::ReadWrite);
        store::Statement check(conn, "PRAGMA integrity_check");
        ASSERT_TRUE(check.step());
        EXPECT_EQ(check.text(0), "ok");
        store::Statement perFile(conn, "SELECT file_id, count(*) FROM hands GROUP BY file_id");
        while (perFile.step())
            handsPerFile[perFile.integer(0)] = perFile.integer(1);
        recordedFiles = conn.queryInteger("SELECT count(*) FROM files");
    }
    EXPECT_GT(recordedFiles, 0);
    EXPECT_LT(recordedFiles, kFiles);
    EXPECT_EQ(static_cast<long long>(handsPerFile.size()), recordedFiles);
    for (const auto& [file, hands] : handsPerFile)
        EXPECT_EQ(hands, kHandsPerFile) << "file " << file;

    store::HandStore store(db);
    const auto rest = store.importPaths({in});
    EXPECT_EQ(rest.filesUnchanged, static_cast<std::uint64_t>(recordedFiles));
    EXPECT_EQ(rest.handsNew, static_cast<std::uint64_t>((kFiles - recordedFiles) * kHandsPerFile));
    EXPECT_EQ(store.handCount(), static_cast<std::uint64_t>(kFiles * kHandsPerFile));
}

} // namespace
