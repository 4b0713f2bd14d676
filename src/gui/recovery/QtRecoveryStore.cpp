#include "QtRecoveryStore.h"

#include "core/editor/EditorModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>

namespace quolan {

namespace {
// The largest copy read back: a full editor's text, three UTF-8 bytes a
// character at most, and a header.
constexpr qint64 kLargestCopy = 3 * static_cast<qint64>(EditorModel::kDefaultCapacity) + 65536;

QString lockPath(const QString& copy) {
    return copy + QStringLiteral(".lock");
}

QString instanceName() {
    return QStringLiteral("post-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}
} // namespace

QtRecoveryStore::QtRecoveryStore(QString folder)
    : folder_(std::move(folder)), ownName_(instanceName()) {}

QtRecoveryStore::~QtRecoveryStore() {
    writer_.finish();
}

QString QtRecoveryStore::copyPath(const QString& name) const {
    return folder_ + QLatin1Char('/') + name + QLatin1String(kSuffix);
}

bool QtRecoveryStore::lockOwn() {
    if (ownLock_)
        return true;
    if (lockFailed_)
        return false;
    // The folder holds posts: only its owner may look in.
    if (!QFileInfo::exists(folder_) && QDir().mkpath(folder_))
        QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
    auto lock = std::make_unique<QLockFile>(lockPath(ownPath()));
    if (!lock->tryLock(0)) {
        lockFailed_ = true;
        qWarning("recovery copy: cannot lock %s", qUtf8Printable(lockPath(ownPath())));
        return false;
    }
    ownLock_ = std::move(lock);
    return true;
}

void QtRecoveryStore::writeOwn(RecoveryCopy copy) {
    if (lockOwn())
        writer_.write(ownPath(), std::move(copy));
}

void QtRecoveryStore::removeOwn() {
    if (ownLock_)
        writer_.remove(ownPath());
}

void QtRecoveryStore::finishOwn() {
    writer_.finish();
}

void QtRecoveryStore::clearLocksLeftAlone() {
    const QDir folder(folder_);
    const QString copySuffix = QLatin1String(kSuffix);
    const QStringList locks =
        folder.entryList({QStringLiteral("*") + lockPath(copySuffix)}, QDir::Files | QDir::Hidden);
    for (const QString& file : locks) {
        const QString copy = file.chopped(lockPath({}).size());
        const QString name = copy.chopped(copySuffix.size());
        // A lock beside a copy is the copy's business: it is offered.
        if (name == ownName_ || claimed_.contains(name.toStdString()) || folder.exists(copy))
            continue;
        // Only a lock no running process holds can be taken: the pid written
        // in it may be a newer process's by now, the lock itself cannot.
        QLockFile lock(folder.filePath(file));
        if (lock.tryLock(0))
            lock.unlock(); // and the file is gone
    }
}

std::vector<std::string> QtRecoveryStore::claimLeftCopies() {
    std::vector<std::string> claimed;
    const QDir folder(folder_);
    if (!folder.exists())
        return claimed;
    clearLocksLeftAlone();
    const QFileInfoList copies = folder.entryInfoList(
        {QStringLiteral("*") + QLatin1String(kSuffix)}, QDir::Files, QDir::Time);
    for (const QFileInfo& copy : copies) {
        const QString file = copy.fileName();
        const QString name = file.left(file.size() - qsizetype(sizeof(kSuffix) - 1));
        const std::string key = name.toStdString();
        if (name == ownName_ || claimed_.contains(key))
            continue;
        // Taken only from an instance that is gone: its process no longer
        // runs, or no lock is there at all.
        auto lock = std::make_unique<QLockFile>(lockPath(copy.filePath()));
        if (!lock->tryLock(0))
            continue;
        claimed_.emplace(key, std::move(lock));
        claimed.push_back(key);
    }
    return claimed;
}

std::optional<std::string> QtRecoveryStore::readClaimed(const std::string& name) {
    if (!claimed_.contains(name))
        return std::nullopt;
    QFile file(copyPath(QString::fromStdString(name)));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestCopy)
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return bytes.toStdString();
}

void QtRecoveryStore::removeClaimed(const std::string& name) {
    const auto found = claimed_.find(name);
    if (found == claimed_.end())
        return;
    CopyWriter::removeFile(copyPath(QString::fromStdString(name)));
    claimed_.erase(found); // the lock goes last
}

void QtRecoveryStore::releaseClaimed(const std::string& name) {
    claimed_.erase(name);
}

void QtRecoveryStore::adoptClaimed(const std::string& name) {
    const auto found = claimed_.find(name);
    if (found == claimed_.end())
        return;
    writer_.finish();
    if (ownLock_)
        CopyWriter::removeFile(ownPath());
    ownLock_ = std::move(found->second);
    ownName_ = QString::fromStdString(name);
    lockFailed_ = false;
    claimed_.erase(found);
}

} // namespace quolan
