#pragma once
// The local store of hand histories: every hand once, the files it came from
// and how far each was read, and each graded pre-flop decision, so that the
// review is a query. SQLite in WAL mode: a window reads while an import writes.
//
// This header is the interface the command and the window use; the SQLite
// plumbing (connection, RAII statements, schema and its upgrades) sits behind it.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "history/grading/Decision.h"
#include "history/model/HandHistory.h"
#include "history/readers/HandReader.h"

namespace store {

// A store that cannot be used: a newer schema, a damaged file, a read-only or
// full disk. The message is a whole sentence for the user, naming the file.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// $XDG_DATA_HOME/brisvane-tablewise/hands.sqlite, or ~/.local/share/... when
// XDG_DATA_HOME is unset or not absolute.
std::filesystem::path defaultStorePath();

struct ImportProgress {
    std::uint64_t filesDone = 0, filesTotal = 0;
    std::uint64_t bytesDone = 0, bytesTotal = 0;
    std::uint64_t handsRead = 0;
    std::string currentFile;
};

struct ImportReport {
    std::uint64_t filesRead = 0;        // files opened and read (whole or from where they ended)
    std::uint64_t filesUnchanged = 0;   // skipped: same size and time as last import
    std::uint64_t handsRead = 0;
    std::uint64_t handsNew = 0;
    std::uint64_t handsAlreadyStored = 0;
    std::map<std::string, std::uint64_t> skippedByReason; // ReadProblem::kind -> count
    std::vector<history::ReadProblem> problems;           // the first few hundred, for messages
    bool cancelled = false;
};

// One listed decision with the hand it belongs to.
struct DecisionRow {
    std::int64_t handId = 0;
    std::string site;
    std::string handNumber;
    history::Decision decision;
};

struct DecisionFilter {
    std::optional<std::string> player;  // none: every player
    std::optional<engine::PreflopAction> before;
    std::optional<engine::Position> position;
    std::optional<history::Verdict> verdict;
    bool differencesOnly = false;       // tighter or looser
    // Lowest net first (decisions without a net left out), and at most
    // `limit` of them when it is not 0: the costliest decisions.
    bool lowestNetFirst = false;
    std::size_t limit = 0;
};

// One cell of the review's table: an action before the player and a position.
struct SituationSummary {
    engine::PreflopAction before = engine::PreflopAction::Opened;
    std::optional<engine::Position> position; // none for heads-up rows
    std::uint64_t hands = 0;                  // decisions listed
    std::uint64_t graded = 0;
    std::uint64_t followed = 0;
    double followedNetBB = 0;   // summed over graded decisions that followed
    std::uint64_t followedWithNet = 0;
    double otherNetBB = 0;      // summed over graded decisions that did not
    std::uint64_t otherWithNet = 0;
};

struct PlayerCount {
    std::string name;
    std::uint64_t hands = 0;    // hands in which his cards are known
};

struct StoredHand {
    std::int64_t id = 0;
    history::FileFormat format = history::FileFormat::Unknown;
    std::string text;           // the hand's own text, to be read again with history::readOneHand
};

class HandStore {
public:
    enum class Mode { ReadWrite, ReadOnly };
    // Opens or creates the store and brings its schema up to date. Throws
    // StoreError with a clear message; never overwrites a file it cannot read.
    explicit HandStore(const std::filesystem::path& path, Mode mode = Mode::ReadWrite);
    ~HandStore();
    HandStore(const HandStore&) = delete;
    HandStore& operator=(const HandStore&) = delete;

    const std::filesystem::path& path() const;

    // Imports files and folders (recursively). Each file is one transaction:
    // an interrupted import leaves whole files only. Unchanged files are
    // skipped; a file that grew is read from where the last import ended.
    ImportReport importPaths(const std::vector<std::filesystem::path>& paths,
                             const std::function<void(const ImportProgress&)>& progress = {},
                             const std::atomic<bool>* cancel = nullptr);

    std::vector<PlayerCount> players() const;          // most known hands first
    std::vector<SituationSummary> summary(const std::optional<std::string>& player) const;
    std::vector<DecisionRow> decisions(const DecisionFilter& filter) const;
    std::optional<StoredHand> hand(std::int64_t id) const;
    std::uint64_t handCount() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace store
