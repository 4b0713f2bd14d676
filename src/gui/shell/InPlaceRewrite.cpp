#include "InPlaceRewrite.h"

#include "core/document/RollbackRecord.h"
#include "gui/shell/FolderSync.h"
#include "gui/shell/ReplaceByRename.h"
#include "gui/shell/SystemFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <string>

namespace quolan {

namespace {
// The new bytes are on disk before the file is cut to their length, so a
// cut-off rewrite never leaves the file shorter than both contents.
int overwrite(const SystemFile& file, std::string_view bytes) {
    int error = file.writeAll(bytes, 0);
    if (error == 0)
        error = file.sync();
    if (error == 0)
        error = file.truncate(static_cast<off_t>(bytes.size()));
    if (error == 0)
        error = file.sync();
    return error;
}

void removeRecord(const QString& record) {
    if (QFile::remove(record))
        syncFolderOf(record);
}
} // namespace

QString InPlaceRewrite::recordPath(const QString& path) const {
    const QByteArray key = QFile::encodeName(QFileInfo(path).absoluteFilePath());
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return folder_ + QStringLiteral("/rollback-") + QString::fromLatin1(hash.left(32));
}

int InPlaceRewrite::rewrite(const QString& path, std::string_view bytes) const {
    SystemFile file;
    int error = file.open(QFile::encodeName(path), O_RDWR);
    std::string old;
    if (error == 0)
        error = file.readAll(old);
    if (error != 0)
        return error;
    QDir().mkpath(folder_); // when it cannot be made, writing the record says why
    const QString record = recordPath(path);
    const std::string absolute =
        QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString();
    error = replaceByRename(record, encodeRecord({absolute, old}));
    if (error != 0)
        return error;
    error = overwrite(file, bytes);
    if (error != 0 && overwrite(file, old) != 0)
        return error; // the record stays for the next read to put the old bytes back
    removeRecord(record);
    return error;
}

int InPlaceRewrite::rollBackCutOff(const QString& path) const {
    const QString record = recordPath(path);
    std::string stored;
    {
        SystemFile recordFile;
        int error = recordFile.open(QFile::encodeName(record), O_RDONLY);
        // None, or none we could have made: records are ours alone.
        if (error == ENOENT || error == ENOTDIR || error == EACCES)
            return 0;
        if (error == 0)
            error = recordFile.readAll(stored);
        if (error != 0)
            return error;
    }
    const std::optional<RollbackRecord> found = decodeRecord(stored);
    const std::string absolute =
        QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString();
    if (!found) {
        removeRecord(record); // not one of ours: records are renamed into place whole
        return 0;
    }
    if (found->path != absolute)
        return 0;
    SystemFile file;
    int error = file.open(QFile::encodeName(path), O_WRONLY);
    if (error == 0)
        error = overwrite(file, found->bytes);
    if (error == 0)
        removeRecord(record);
    return error;
}

} // namespace quolan
