#pragma once
// Imports hand-history files and folders into the store. Each file is one
// transaction: its new hands, their decisions and its record with the offset
// where the read ended commit together, so an import that is stopped, by a
// cancel or a kill, leaves whole files only and the next one takes the rest.

#include <atomic>
#include <filesystem>
#include <functional>
#include <vector>

#include "store/HandStore.h"

namespace store {

class Database;

class Importer {
public:
    Importer(Database& db, std::function<void(const ImportProgress&)> progress, const std::atomic<bool>* cancel);

    // Throws StoreError when the store fails (a full disk, a damaged file):
    // the file being read then is not stored at all. A hand-history file that
    // cannot be read is a problem in the report.
    ImportReport run(const std::vector<std::filesystem::path>& paths);

private:
    Database& db_;
    std::function<void(const ImportProgress&)> progress_;
    const std::atomic<bool>* cancel_;
};

// The files a list of paths names: files as given, folders walked through
// (sorted, hidden entries left out), less the store's own files (`store` and
// SQLite's files beside it). A path that does not exist is a problem.
std::vector<std::filesystem::path> filesToImport(const std::vector<std::filesystem::path>& paths,
                                                 const std::filesystem::path& store,
                                                 std::vector<history::ReadProblem>& problems);

} // namespace store
