#include "SystemFile.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace quolan {

int SystemFile::open(const QByteArray& path, int flags, mode_t mode) {
    close();
    do
        fd_ = ::open(path.constData(), flags | O_CLOEXEC, mode);
    while (fd_ < 0 && errno == EINTR);
    return fd_ < 0 ? errno : 0;
}

int SystemFile::readAll(std::string& bytes) const {
    bytes.clear();
    std::array<char, std::size_t{64} * 1024> piece{};
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd_, piece.data(), piece.size(), at);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return errno;
        if (got == 0)
            return 0;
        bytes.append(piece.data(), static_cast<std::size_t>(got));
        at += got;
    }
}

int SystemFile::writeAll(std::string_view bytes, off_t offset) const {
    while (!bytes.empty()) {
        const ssize_t wrote = ::pwrite(fd_, bytes.data(), bytes.size(), offset);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return errno;
        if (wrote == 0) // a file takes no bytes and names no reason
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(wrote));
        offset += wrote;
    }
    return 0;
}

int SystemFile::sync() const {
    return ::fsync(fd_) == 0 ? 0 : errno;
}

int SystemFile::truncate(off_t size) const {
    return ::ftruncate(fd_, size) == 0 ? 0 : errno;
}

int SystemFile::close() {
    if (fd_ < 0)
        return 0;
    // Never retried: on Linux the descriptor is gone even when close fails.
    const int result = ::close(fd_) == 0 ? 0 : errno;
    fd_ = -1;
    return result == EINTR ? 0 : result;
}

} // namespace quolan
