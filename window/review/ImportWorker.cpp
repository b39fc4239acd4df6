#include "window/review/ImportWorker.h"

#include <QMetaObject>
#include <chrono>

namespace window::review {

namespace {

// Progress is passed on at most this often: each post is an event for the window.
constexpr auto kProgressInterval = std::chrono::milliseconds(50);

} // namespace

ImportWorker::ImportWorker(std::filesystem::path storePath, QObject* parent)
    : QObject(parent), storePath_(std::move(storePath))
{
    qRegisterMetaType<store::ImportProgress>();
    qRegisterMetaType<store::ImportReport>();
}

ImportWorker::~ImportWorker()
{
    cancel_ = true;
    if (thread_.joinable())
        thread_.join();
}

bool ImportWorker::start(std::vector<std::filesystem::path> paths)
{
    if (running_)
        return false;
    if (thread_.joinable())
        thread_.join(); // the last run has posted its end and returned
    running_ = true;
    cancel_ = false;
    thread_ = std::thread([this, paths = std::move(paths)]() mutable { run(std::move(paths)); });
    return true;
}

void ImportWorker::cancel()
{
    cancel_ = true;
}

void ImportWorker::done()
{
    running_ = false;
}

// On the worker thread: whatever it reports is queued to the worker's own
// thread, and dropped there if the worker has gone meanwhile.
void ImportWorker::run(std::vector<std::filesystem::path> paths)
{
    try {
        store::HandStore db(storePath_);
        auto last = std::chrono::steady_clock::now() - kProgressInterval;
        const auto progress = [&](const store::ImportProgress& p) {
            const auto now = std::chrono::steady_clock::now();
            if (now - last < kProgressInterval)
                return;
            last = now;
            QMetaObject::invokeMethod(this, [this, p] { emit progressed(p); }, Qt::QueuedConnection);
        };
        store::ImportReport report = db.importPaths(paths, progress, &cancel_);
        QMetaObject::invokeMethod(
            this, [this, report = std::move(report)] { done(); emit finished(report); }, Qt::QueuedConnection);
    } catch (const std::exception& e) {
        QMetaObject::invokeMethod(
            this, [this, message = QString::fromUtf8(e.what())] { done(); emit failed(message); },
            Qt::QueuedConnection);
    }
}

} // namespace window::review
