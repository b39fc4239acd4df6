#pragma once
// Imports files and folders into the store on a thread of its own, with its
// own connection to the store (the window's connection keeps reading
// meanwhile). Progress, the report and a failure arrive as signals on the
// thread that owns the worker; cancel() stops the import between hands.

#include <QObject>
#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "store/HandStore.h"

namespace window::review {

class ImportWorker : public QObject {
    Q_OBJECT
public:
    explicit ImportWorker(std::filesystem::path storePath, QObject* parent = nullptr);
    // Cancels an import under way and waits for its thread.
    ~ImportWorker() override;

    // Starts an import unless one is running; returns whether it started.
    bool start(std::vector<std::filesystem::path> paths);
    void cancel();
    bool running() const { return running_; }

signals:
    void progressed(const store::ImportProgress& progress);
    void finished(const store::ImportReport& report);
    // The store could not be opened or written; the sentence says why.
    void failed(const QString& message);

private:
    void run(std::vector<std::filesystem::path> paths);
    void done();

    std::filesystem::path storePath_;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
    std::thread thread_;
};

} // namespace window::review
