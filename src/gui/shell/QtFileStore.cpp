#include "QtFileStore.h"

#include "core/document/FileTexts.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "gui/shell/InPlaceRewrite.h"
#include "gui/shell/ReplaceByRename.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quolan {

namespace {
using Status = FileStore::Read::Status;

std::string systemReason(int error) {
    return std::strerror(error);
}

std::string notRegularReason() {
    return std::string(inLanguage(file_text::NotRegularFile, shownLanguage()));
}

FileStore::Read refused(int error) {
    return {error == ENOENT ? Status::Missing : Status::Failed, {}, systemReason(error)};
}

FileStore::Written failed(std::string reason) {
    return {false, std::move(reason)};
}

// A symbolic link is replaced at the file it leads to, as QSaveFile does.
QString linkTarget(const QString& path) {
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}
} // namespace

FileStore::Read QtFileStore::read(const std::string& path, std::size_t limit) {
    const QString name = QString::fromStdString(path);
    if (fallback_ == Fallback::WriteInPlace) {
        // A file whose rewrite was cut off is not read half old, half new.
        if (const int error = InPlaceRewrite(recordFolder_).rollBackCutOff(linkTarget(name)))
            return {Status::Failed, {}, systemReason(error)};
    }
    const QByteArray native = QFile::encodeName(name);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return refused(errno);
    if (S_ISDIR(info.st_mode))
        return refused(EISDIR);
    if (!S_ISREG(info.st_mode))
        return {Status::Failed, {}, notRegularReason()};
    if (static_cast<std::size_t>(info.st_size) > limit)
        return {Status::TooLarge, {}, {}};

    // Should the name have become a pipe since, opening it does not wait.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return refused(errno);
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {Status::Failed, {}, file.errorString().toStdString()};
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return {Status::Failed, {}, notRegularReason()};

    // Read in pieces up to the limit: the file may grow while it is read.
    Read result{Status::Ok, {}, {}};
    result.bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::array<char, std::size_t{64} * 1024> piece{};
    for (;;) {
        const qint64 got = file.read(piece.data(), static_cast<qint64>(piece.size()));
        if (got < 0)
            return {Status::Failed, {}, file.errorString().toStdString()};
        if (got == 0)
            break;
        if (result.bytes.size() + static_cast<std::size_t>(got) > limit)
            return {Status::TooLarge, {}, {}};
        result.bytes.append(piece.data(), static_cast<std::size_t>(got));
    }
    return result;
}

FileStore::Written QtFileStore::replace(const std::string& path, std::string_view bytes) {
    const QString target = linkTarget(QString::fromStdString(path));
    const InPlaceRewrite inPlace(recordFolder_);
    if (fallback_ == Fallback::WriteInPlace) {
        if (const int error = inPlace.rollBackCutOff(target))
            return failed(systemReason(error));
    }
    const QByteArray native = QFile::encodeName(target);
    struct stat info {};
    const bool exists = ::stat(native.constData(), &info) == 0;
    if (!exists && errno != ENOENT)
        return failed(systemReason(errno));
    if (exists && S_ISDIR(info.st_mode))
        return failed(systemReason(EISDIR));
    if (exists && !S_ISREG(info.st_mode))
        return failed(notRegularReason());
    // The system's own reason: a read-only file system says so.
    if (exists && ::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0)
        return failed(systemReason(errno));

    int error = replaceByRename(target, bytes);
    if (error == EACCES && exists && fallback_ == Fallback::WriteInPlace)
        error = inPlace.rewrite(target, bytes);
    if (error != 0)
        return failed(systemReason(error));
    return {true, {}};
}

} // namespace quolan
