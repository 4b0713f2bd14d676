#include "CopyWriter.h"

#include "gui/shell/FolderSync.h"
#include "gui/shell/ReplaceByRename.h"

#include <QFile>
#include <QThread>

#include <sys/stat.h>

namespace quolan {

CopyWriter::CopyWriter() : thread_(QThread::create([this] { run(); })) {
    thread_->setObjectName(QStringLiteral("RecoveryWriter"));
    thread_->start(QThread::LowPriority);
}

CopyWriter::~CopyWriter() {
    {
        QMutexLocker lock(&mutex_);
        quit_ = true;
        wake_.wakeAll();
    }
    thread_->wait();
}

void CopyWriter::write(const QString& path, RecoveryCopy copy) {
    hand({path, std::move(copy)});
}

void CopyWriter::remove(const QString& path) {
    hand({path, std::nullopt});
}

void CopyWriter::hand(Job job) {
    std::optional<Job> replaced;
    {
        QMutexLocker lock(&mutex_);
        replaced.swap(next_); // freed outside the lock: it may be a long text
        next_ = std::move(job);
        wake_.wakeOne();
    }
}

void CopyWriter::finish() {
    QMutexLocker lock(&mutex_);
    while (next_ || busy_)
        idle_.wait(&mutex_);
}

void CopyWriter::run() {
    QMutexLocker lock(&mutex_);
    for (;;) {
        while (!next_ && !quit_)
            wake_.wait(&mutex_);
        if (!next_)
            return; // quitting with nothing left to do
        Job job = std::move(*next_);
        next_.reset();
        busy_ = true;
        lock.unlock();
        const bool done =
            job.copy ? writeFile(job.path, encodeRecoveryCopy(*job.copy)) : removeFile(job.path);
        const QString path = job.path;
        job = {}; // the text is freed outside the lock
        lock.relock();
        busy_ = false;
        if (!done && !warned_) {
            warned_ = true; // once: the next pause would only say it again
            qWarning("recovery copy: cannot write %s", qUtf8Printable(path));
        }
        if (!next_)
            idle_.wakeAll();
    }
}

bool CopyWriter::writeFile(const QString& path, const std::string& bytes) {
    // The post is the user's own business; a write cut off by a kill leaves
    // only a temporary of ours, which the next write of the copy removes.
    return replaceByRename(path, bytes, S_IRUSR | S_IWUSR) == 0;
}

bool CopyWriter::removeFile(const QString& path) {
    if (!QFile::exists(path))
        return true;
    if (!QFile::remove(path))
        return false;
    syncFolderOf(path);
    return true;
}

} // namespace quolan
