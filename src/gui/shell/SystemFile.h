#pragma once

#include <QByteArray>

#include <string>
#include <string_view>
#include <sys/types.h>

namespace quolan {

// A file opened through the system calls themselves, for the steps whose
// order makes a save safe (write, sync, rename, truncate). Closed when
// dropped. Every step answers 0 or the system's error number.
class SystemFile {
public:
    SystemFile() = default;
    ~SystemFile() { close(); }
    SystemFile(const SystemFile&) = delete;
    SystemFile& operator=(const SystemFile&) = delete;

    int open(const QByteArray& path, int flags, mode_t mode = 0);
    int descriptor() const { return fd_; }

    int readAll(std::string& bytes) const;
    // Writes every byte from `offset` on, however short the system's writes.
    int writeAll(std::string_view bytes, off_t offset) const;
    int sync() const;
    int truncate(off_t size) const;
    // A late write error (a network or full disk) may first show here.
    int close();

private:
    int fd_ = -1;
};

} // namespace quolan
