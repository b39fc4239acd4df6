#include "store/Importer.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <set>
#include <cstdint>
#include <system_error>

#include "history/grading/Decision.h"
#include "history/readers/HandReader.h"
#include "store/Database.h"
#include "store/FileRecords.h"
#include "store/HandWriter.h"
#include "store/Transaction.h"

namespace store {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kProblemsKept = 300;
constexpr auto kProgressInterval = std::chrono::milliseconds(100);

bool isHidden(const fs::path& path)
{
    const std::string name = path.filename().string();
    return !name.empty() && name.front() == '.';
}

void addProblem(ImportReport& report, const history::ReadProblem& problem)
{
    ++report.skippedByReason[problem.kind];
    if (report.problems.size() < kProblemsKept)
        report.problems.push_back(problem);
}

// What one file added, counted apart so that a file rolled back adds nothing.
struct FileCounts {
    std::uint64_t handsRead = 0;
    std::uint64_t handsNew = 0;
    std::uint64_t handsAlreadyStored = 0;
    std::vector<history::ReadProblem> problems;
};

class StoringSink : public history::HandSink {
public:
    StoringSink(HandWriter& writer, history::FileFormat format, std::int64_t fileId,
                const std::function<void(std::uint64_t)>& progress, const std::atomic<bool>* cancel)
        : writer_(writer), format_(format), fileId_(fileId), progress_(progress), cancel_(cancel)
    {
    }

    void hand(const history::HandHistory& hand, std::string_view text, std::uint64_t endOffset) override
    {
        if (cancel_ && cancel_->load(std::memory_order_relaxed))
            cancelled = true;
        if (cancelled)
            return;
        ++counts.handsRead;
        if (const auto id = writer_.insertHand(hand, text, format_, fileId_)) {
            ++counts.handsNew;
            for (const history::Decision& d : history::gradeHand(hand))
                writer_.insertDecision(*id, d);
        } else {
            ++counts.handsAlreadyStored;
        }
        progress_(endOffset);
    }

    void problem(const history::ReadProblem& problem, std::uint64_t endOffset) override
    {
        counts.problems.push_back(problem);
        progress_(endOffset);
    }

    FileCounts counts;
    bool cancelled = false;

private:
    HandWriter& writer_;
    history::FileFormat format_;
    std::int64_t fileId_;
    const std::function<void(std::uint64_t)>& progress_;
    const std::atomic<bool>* cancel_;
};

std::int64_t fileTime(const fs::path& file, std::error_code& ec)
{
    return static_cast<std::int64_t>(fs::last_write_time(file, ec).time_since_epoch().count());
}

history::FileFormat formatOf(const fs::path& file)
{
    std::string head(4096, '\0');
    std::ifstream in(file, std::ios::binary);
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return history::detectFormat(file, head);
}

} // namespace

std::vector<fs::path> filesToImport(const std::vector<fs::path>& paths, const fs::path& store,
                                    std::vector<history::ReadProblem>& problems)
{
    std::vector<fs::path> files;
    for (const fs::path& given : paths) {
        std::error_code ec;
        const fs::file_status status = fs::status(given, ec);
        if (ec || !fs::exists(status)) {
            problems.push_back({given.string(), 0, "no such file or folder", "io"});
            continue;
        }
        if (!fs::is_directory(status)) {
            files.push_back(fs::weakly_canonical(given, ec));
            continue;
        }
        std::vector<fs::path> found;
        fs::recursive_directory_iterator it(given, fs::directory_options::skip_permission_denied, ec);
        for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (isHidden(it->path())) {
                if (it->is_directory(ec))
                    it.disable_recursion_pending();
                continue;
            }
            if (it->is_regular_file(ec))
                found.push_back(fs::weakly_canonical(it->path(), ec));
        }
        if (ec)
            problems.push_back({given.string(), 0, "the folder cannot be read to its end (" + ec.message() + ")", "io"});
        std::sort(found.begin(), found.end());
        files.insert(files.end(), found.begin(), found.end());
    }
    std::error_code ec;
    const std::string own = fs::weakly_canonical(store, ec).string();
    const auto isStoreFile = [&own](const fs::path& f) {
        const std::string name = f.string();
        return name == own || name == own + "-wal" || name == own + "-shm" || name == own + "-journal";
    };
    // A file named twice, or inside a folder also named, is read once.
    std::vector<fs::path> unique;
    std::set<std::string> seen;
    for (fs::path& f : files)
        if (!isStoreFile(f) && seen.insert(f.string()).second)
            unique.push_back(std::move(f));
    return unique;
}

Importer::Importer(Database& db, std::function<void(const ImportProgress&)> progress, const std::atomic<bool>* cancel)
    : db_(db), progress_(std::move(progress)), cancel_(cancel)
{
}

ImportReport Importer::run(const std::vector<fs::path>& paths)
{
    ImportReport report;
    std::vector<history::ReadProblem> pathProblems;
    const std::vector<fs::path> files = filesToImport(paths, db_.path(), pathProblems);
    for (const auto& p : pathProblems)
        addProblem(report, p);

    ImportProgress progress;
    progress.filesTotal = files.size();
    for (const fs::path& f : files) {
        std::error_code ec;
        const auto size = fs::file_size(f, ec);
        if (!ec)
            progress.bytesTotal += size;
    }

    HandWriter writer(db_);
    FileRecords records(db_);
    auto lastReport = std::chrono::steady_clock::now();
    const auto cancelled = [this] { return cancel_ && cancel_->load(std::memory_order_relaxed); };

    for (const fs::path& file : files) {
        if (cancelled()) {
            report.cancelled = true;
            break;
        }
        progress.currentFile = file.string();
        std::error_code sizeError, timeError;
        const auto size = static_cast<std::int64_t>(fs::file_size(file, sizeError));
        const std::int64_t modified = fileTime(file, timeError);
        if (sizeError || timeError) {
            addProblem(report, {file.string(), 0, "the file cannot be read (" + (sizeError ? sizeError : timeError).message() + ")", "io"});
            ++progress.filesDone;
            continue;
        }
        const std::string key = file.string();
        const std::optional<FileRecord> before = records.find(key);
        if (before && before->size == size && before->modified == modified) {
            ++report.filesUnchanged;
            ++progress.filesDone;
            progress.bytesDone += static_cast<std::uint64_t>(size);
            continue;
        }
        // A file that grew with the same start is read on from where the last
        // read ended; any other change is read again from the start, its hands
        // stored before found by their keys.
        std::int64_t start = 0;
        if (before && size >= before->size && headDigest(file, before->headSize) == before->headDigest)
            start = std::min(before->endOffset, size);

        FileRecord record;
        record.size = size;
        record.modified = modified;
        record.headSize = std::min(size, kHeadBytes);
        record.headDigest = headDigest(file, record.headSize).value_or("");

        const std::uint64_t bytesBefore = progress.bytesDone;
        const std::function<void(std::uint64_t)> onHand = [&](std::uint64_t endOffset) {
            ++progress.handsRead;
            const auto now = std::chrono::steady_clock::now();
            if (progress_ && now - lastReport >= kProgressInterval) {
                lastReport = now;
                progress.bytesDone = bytesBefore + endOffset;
                progress_(progress);
            }
        };

        try {
            Transaction transaction(db_);
            record.endOffset = start;
            const std::int64_t fileId = records.save(key, record);
            StoringSink sink(writer, formatOf(file), fileId, onHand, cancel_);
            history::ReadOptions options;
            options.startOffset = static_cast<std::uint64_t>(start);
            options.cancel = cancel_;
            const history::ReadSummary read = history::readHandHistoryFile(file, sink, options);
            if (read.cancelled || sink.cancelled) {
                report.cancelled = true;
                break; // the transaction rolls back: the file is taken whole next time
            }
            record.endOffset = static_cast<std::int64_t>(read.endOffset);
            records.save(key, record);
            transaction.commit();

            ++report.filesRead;
            report.handsRead += sink.counts.handsRead;
            report.handsNew += sink.counts.handsNew;
            report.handsAlreadyStored += sink.counts.handsAlreadyStored;
            for (const auto& p : sink.counts.problems)
                addProblem(report, p);
        } catch (const SqliteError& e) {
            if (e.isDiskFull())
                throw StoreError("The disk holding " + db_.path().string() + " is full: nothing of " + file.string()
                                 + " was stored. Free some space and import again.");
            throw StoreError(std::string(e.what()) + " Nothing of " + file.string() + " was stored.");
        }
        ++progress.filesDone;
        progress.bytesDone = bytesBefore + static_cast<std::uint64_t>(size);
        if (progress_) {
            lastReport = std::chrono::steady_clock::now();
            progress_(progress);
        }
    }
    return report;
}

} // namespace store
