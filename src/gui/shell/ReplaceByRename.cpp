#include "ReplaceByRename.h"

#include "core/document/TemporaryNames.h"
#include "gui/shell/FolderSync.h"
#include "gui/shell/SystemFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace quolan {

namespace {
constexpr std::string_view kTailCharacters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

QByteArray temporaryName(const std::string& prefix) {
    QByteArray name = QByteArray::fromStdString(prefix);
    for (std::size_t i = 0; i < kTemporaryTailLength; ++i)
        name += kTailCharacters[QRandomGenerator::global()->bounded(
            static_cast<quint32>(kTailCharacters.size()))];
    return name;
}

// Creates a temporary file of a name no other file has; its path goes to
// `created`.
int createTemporary(const QByteArray& folder, const std::string& prefix, mode_t mode,
                    SystemFile& file, QByteArray& created) {
    int error = EEXIST;
    for (int attempt = 0; attempt < 100 && error == EEXIST; ++attempt) {
        created = folder + '/' + temporaryName(prefix);
        error = file.open(created, O_WRONLY | O_CREAT | O_EXCL, mode);
    }
    return error;
}

void removeLeftovers(const QFileInfo& target) {
    const std::string fileName = QFile::encodeName(target.fileName()).toStdString();
    bool removed = false;
    const QDir dir = target.absoluteDir();
    const QStringList entries =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& entry : entries) {
        if (isTemporaryOf(QFile::encodeName(entry).toStdString(), fileName))
            removed = QFile::remove(dir.filePath(entry)) || removed;
    }
    if (removed)
        syncFolderOf(target.absoluteFilePath());
}
} // namespace

int replaceByRename(const QString& path, std::string_view bytes, mode_t newFileMode) {
    const QFileInfo target(path);
    const QByteArray native = QFile::encodeName(target.absoluteFilePath());
    const QByteArray fileName = QFile::encodeName(target.fileName());
    struct stat old {};
    const bool exists = ::stat(native.constData(), &old) == 0;

    SystemFile temporary;
    QByteArray temporaryPath;
    // Nobody else may read the new bytes before they get the old file's
    // permissions.
    int error = createTemporary(QFile::encodeName(target.absolutePath()),
                                temporaryPrefix(fileName.toStdString()),
                                exists ? S_IRUSR | S_IWUSR : newFileMode, temporary, temporaryPath);
    if (error != 0)
        return error;
    if (exists)
        ::fchmod(temporary.descriptor(), old.st_mode & 07777);
    error = temporary.writeAll(bytes, 0);
    if (error == 0)
        error = temporary.sync();
    const int closed = temporary.close();
    if (error == 0)
        error = closed;
    if (error == 0 && ::rename(temporaryPath.constData(), native.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporaryPath.constData());
        return error;
    }
    syncFolderOf(target.absoluteFilePath());
    removeLeftovers(target);
    return 0;
}

} // namespace quolan
