// The program side of KillDuringSaveTest: saves a post and writes two
// settings files through the program's own file store and settings code,
// alternating two contents, until it is killed.
//   SaveLoop <folder> loop|once
// <folder>/rw/post.txt and <folder>/rw/quolan.INI are replaced by rename;
// <folder>/ro takes no new files, so <folder>/ro/quolan.INI is rewritten in
// place, with its rollback records in <folder>/records. Run as root, it
// first becomes an ordinary user, for whom the folder's mode holds.
// Each file is written with the content it does not hold. "loop" writes one
// byte to standard output before its first write; "once" writes each file
// twice and exits.
//
// With QUOLAN_SYNC_LOG set, every fsync and fdatasync is logged there with
// the path it synced: this program's own definitions stand in for the C
// library's, for the code linked into it.

#include "SaveLoopContents.h"
#include "core/settings/IniStore.h"
#include "gui/shell/QtFileStore.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

void logSync(const char* call, int fd) {
    const char* log = std::getenv("QUOLAN_SYNC_LOG");
    if (!log)
        return;
    char path[4096];
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t length = readlink(link.c_str(), path, sizeof path - 1);
    if (length < 0)
        return;
    const std::string line =
        std::string(call) + " " + std::string(path, static_cast<std::size_t>(length)) + "\n";
    const int out = open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (out < 0)
        return;
    [[maybe_unused]] const ssize_t wrote = write(out, line.data(), line.size());
    close(out);
}

template <typename Call> Call next(const char* name) {
    return reinterpret_cast<Call>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fsync(int fd) {
    logSync("fsync", fd);
    static const auto real = next<int (*)(int)>("fsync");
    return real(fd);
}

extern "C" int fdatasync(int fd) {
    logSync("fdatasync", fd);
    static const auto real = next<int (*)(int)>("fdatasync");
    return real(fd);
}

namespace {

using quolan::IniStore;
using quolan::QtFileStore;

using quolan::save_loop::post;
using quolan::save_loop::value;

// Each write puts the content the file does not hold now, so that every
// write changes it.
bool flipPost(const std::string& path) {
    QtFileStore posts;
    const bool second = posts.read(path, std::size_t{1} << 24).bytes != post(true);
    return posts.replace(path, post(second)).ok;
}

bool flipSetting(const std::string& path, const QString& records) {
    QtFileStore files(QtFileStore::Fallback::WriteInPlace, records);
    IniStore store(files, path, {});
    const bool second = store.readString("Test", "Value") != value(true);
    return store.writeString("Test", "Value", value(second));
}

// Writes the three files, beginning with the `first`: a kill early in a
// run lands in each of them alike.
bool flipAll(const std::string& folder, const QString& records, int first) {
    bool ok = true;
    for (int i = 0; i < 3; ++i) {
        switch ((first + i) % 3) {
        case 0:
            ok = flipPost(folder + "/rw/post.txt") && ok;
            break;
        case 1:
            ok = flipSetting(folder + "/rw/quolan.INI", records) && ok;
            break;
        default:
            ok = flipSetting(folder + "/ro/quolan.INI", records) && ok;
            break;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3)
        return 2;
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
        return 3;
    // A process that changed its user may not be traced, not even by
    // LeakSanitizer's check at its exit.
    prctl(PR_SET_DUMPABLE, 1);
    const std::string folder = argv[1];
    const QString records = QString::fromStdString(folder + "/records");
    if (std::string(argv[2]) == "once")
        return flipAll(folder, records, 0) && flipAll(folder, records, 0) ? 0 : 1;

    const int first = static_cast<int>(getpid() % 3);
    [[maybe_unused]] const ssize_t ready = write(STDOUT_FILENO, "r", 1);
    for (;;) {
        if (!flipAll(folder, records, first))
            return 1;
    }
}
