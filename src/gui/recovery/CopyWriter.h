#pragma once

#include "core/recovery/RecoveryCopy.h"

#include <QMutex>
#include <QString>
#include <QWaitCondition>

#include <memory>
#include <optional>

class QThread;

namespace quolan {

// Writes recovery copies on a thread of its own, so that no write holds up
// the window. One job runs at a time; of the jobs handed over meanwhile only
// the newest is kept, so a burst of snapshots costs one more write, not many.
// Each file is replaced whole (a saved file renamed over it, then the folder
// synced) or removed.
class CopyWriter final {
public:
    CopyWriter();
    ~CopyWriter(); // finishes the jobs handed over
    CopyWriter(const CopyWriter&) = delete;
    CopyWriter& operator=(const CopyWriter&) = delete;

    void write(const QString& path, RecoveryCopy copy);
    void remove(const QString& path);
    // Returns when no job is waiting or running.
    void finish();

    // Replaces `path` with `bytes` durably; false when the system refused.
    static bool writeFile(const QString& path, const std::string& bytes);
    static bool removeFile(const QString& path);

private:
    struct Job {
        QString path;
        std::optional<RecoveryCopy> copy; // nothing: remove the file
    };

    void hand(Job job);
    void run();

    QMutex mutex_;
    QWaitCondition wake_;
    QWaitCondition idle_;
    std::optional<Job> next_;
    bool busy_ = false;
    bool quit_ = false;
    bool warned_ = false;
    std::unique_ptr<QThread> thread_;
};

} // namespace quolan
