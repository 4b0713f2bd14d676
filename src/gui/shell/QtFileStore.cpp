#include "QtFileStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <cstring>

namespace quolan {

namespace {
std::string systemReason(int error) {
    return std::strerror(error);
}

std::string reasonOf(const QFileDevice& file) {
    return file.errorString().toStdString();
}
} // namespace

FileStore::Read QtFileStore::read(const std::string& path, std::size_t limit) {
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (info.isDir())
        return {Read::Status::Failed, {}, systemReason(EISDIR)};
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        const bool missing = !info.exists();
        return {missing ? Read::Status::Missing : Read::Status::Failed, {}, reasonOf(file)};
    }
    if (info.isFile() && static_cast<std::size_t>(info.size()) > limit)
        return {Read::Status::TooLarge, {}, {}};

    // Read in pieces: a device may have no size and no end.
    Read result{Read::Status::Ok, {}, {}};
    if (info.isFile())
        result.bytes.reserve(static_cast<std::size_t>(info.size()));
    std::array<char, 64 * 1024> piece{};
    for (;;) {
        const qint64 got = file.read(piece.data(), static_cast<qint64>(piece.size()));
        if (got < 0)
            return {Read::Status::Failed, {}, reasonOf(file)};
        if (got == 0)
            break;
        if (result.bytes.size() + static_cast<std::size_t>(got) > limit)
            return {Read::Status::TooLarge, {}, {}};
        result.bytes.append(piece.data(), static_cast<std::size_t>(got));
    }
    return result;
}

FileStore::Written QtFileStore::replace(const std::string& path, std::string_view bytes) {
    const QString name = QString::fromStdString(path);
    QSaveFile file(name);
    file.setDirectWriteFallback(fallback_ == Fallback::WriteInPlace);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const QFileInfo info(name);
        // QSaveFile words this case itself; say it as the system would.
        if (info.exists() && !info.isDir() && !info.isWritable())
            return {false, systemReason(EACCES)};
        return {false, reasonOf(file)};
    }
    // Qt takes a short write for success: a full disk shows only as one, so
    // keep writing until the rest goes in or the system names the failure.
    const char* next = bytes.data();
    auto left = static_cast<qint64>(bytes.size());
    while (left > 0) {
        const qint64 wrote = file.write(next, left);
        if (wrote <= 0) {
            const std::string reason = reasonOf(file);
            file.cancelWriting();
            file.commit(); // removes the temporary file; the old one stays
            return {false, reason};
        }
        next += wrote;
        left -= wrote;
    }
    if (!file.commit())
        return {false, reasonOf(file)};
    return {true, {}};
}

} // namespace quolan
