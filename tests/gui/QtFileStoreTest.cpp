#include "gui/shell/QtFileStore.h"

#include "core/app/ProcessPreparation.h"
#include "core/document/Document.h"
#include "core/document/FileTexts.h"
#include "core/document/RollbackRecord.h"
#include "gui/shell/InPlaceRewrite.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quolan {
namespace {

using Status = FileStore::Read::Status;

struct Folder : testing::TempFolder {
    Folder() { EXPECT_TRUE(dir.isValid()); }
    QStringList entries(const char* sub = ".") const {
        return QDir(dir.filePath(QString::fromLatin1(sub)))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

std::string allBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

TEST(QtFileStore, replacesAndReadsEveryByteValueExactly) {
    Folder folder;
    QtFileStore files;
    folder.put("post.txt", "old");
    ASSERT_TRUE(files.replace(folder.path("post.txt"), allBytes()).ok);
    EXPECT_EQ(folder.content("post.txt"), allBytes());
    const FileStore::Read read = files.read(folder.path("post.txt"), 1024);
    EXPECT_EQ(read.status, Status::Ok);
    EXPECT_EQ(read.bytes, allBytes());
    EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("post.txt")});
}

TEST(QtFileStore, readFailuresCarryTheSystemsReason) {
    Folder folder;
    QtFileStore files;
    folder.put("big.txt", std::string(100, 'x'));

    const auto missing = files.read(folder.path("none.txt"), 100);
    EXPECT_EQ(missing.status, Status::Missing);
    EXPECT_EQ(missing.reason, "No such file or directory");
    const auto directory = files.read(folder.path("."), 100);
    EXPECT_EQ(directory.status, Status::Failed);
    EXPECT_EQ(directory.reason, "Is a directory");
    EXPECT_EQ(files.read(folder.path("big.txt"), 99).status, Status::TooLarge);
    EXPECT_EQ(files.read(folder.path("big.txt"), 100).status, Status::Ok);
    // A device is refused before it is read: it may have no end.
    const auto device = files.read("/dev/zero", 200000);
    EXPECT_EQ(device.status, Status::Failed);
    EXPECT_EQ(device.reason, file_text::NotRegularFile.russian); // the interface as built
}

TEST(QtFileStore, aFolderThatCannotExistFailsWithTheSystemsReason) {
    Folder folder;
    QtFileStore files;
    folder.put("plain", "x");
    const auto missing = files.replace(folder.path("no/post.txt"), "text");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.reason, "No such file or directory");
    const auto underFile = files.replace(folder.path("plain/post.txt"), "text");
    EXPECT_FALSE(underFile.ok);
    EXPECT_EQ(underFile.reason, "Not a directory");
}

// The file-size limit stands in for a full disk: writing stops part way with
// the system's error, as it does when the disk fills up.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(QtFileStore, aSaveThatRunsOutOfSpaceLeavesTheOldFileWhole) {
    Folder folder;
    QtFileStore files;
    const std::string old = "the post as it was saved before";
    folder.put("post.txt", old);
    FileStore::Written written;
    {
        const FileSizeLimit limit(4096);
        written = files.replace(folder.path("post.txt"), std::string(100000, 'n'));
    }
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.reason, "File too large");
    EXPECT_EQ(folder.content("post.txt"), old);
    EXPECT_EQ(folder.entries(), QStringList{QStringLiteral("post.txt")}); // no temporary left
}

// Runs `body` in a child process as a user without root's right to write
// anywhere, so folder permissions hold whoever runs the tests.
int unprivileged(const std::function<bool()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 4;
}

struct LockedFolder : Folder {
    LockedFolder() {
        EXPECT_EQ(chmod(dir.path().toLocal8Bit().constData(), 0755), 0);
        EXPECT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ro")));
        put("ro/post.txt", "old");
        EXPECT_EQ(chmod(path("ro/post.txt").c_str(), 0666), 0);
        EXPECT_EQ(chmod(path("ro").c_str(), 0555), 0);
    }
    ~LockedFolder() { chmod(path("ro").c_str(), 0755); }
};

TEST(QtFileStore, aReadOnlyFolderRefusesTheSaveAndKeepsTheOldFile) {
    const LockedFolder folder;
    const std::string post = folder.path("ro/post.txt");
    EXPECT_EQ(unprivileged([&] {
                  const auto written = QtFileStore().replace(post, "new");
                  return !written.ok && written.reason == "Permission denied";
              }),
              0);
    EXPECT_EQ(folder.content("ro/post.txt"), "old");
    EXPECT_EQ(folder.entries("ro"), QStringList{QStringLiteral("post.txt")});
}

TEST(QtFileStore, aWritableFileInAReadOnlyFolderCanBeRewrittenInPlaceWhenAllowed) {
    const LockedFolder folder;
    const std::string post = folder.path("ro/post.txt");
    const QString records = folder.dir.filePath(QStringLiteral("records"));
    ASSERT_TRUE(QDir().mkpath(records));
    ASSERT_EQ(chmod(records.toLocal8Bit().constData(), 0777), 0);
    EXPECT_EQ(unprivileged([&] {
                  return QtFileStore(QtFileStore::Fallback::WriteInPlace, records)
                      .replace(post, "new")
                      .ok;
              }),
              0);
    EXPECT_EQ(folder.content("ro/post.txt"), "new");
}

TEST(QtFileStore, aReadOnlyFileIsNotReplaced) {
    Folder folder;
    EXPECT_EQ(chmod(folder.dir.path().toLocal8Bit().constData(), 0777), 0);
    folder.put("post.txt", "old");
    EXPECT_EQ(chmod(folder.path("post.txt").c_str(), 0444), 0);
    const std::string post = folder.path("post.txt");
    EXPECT_EQ(unprivileged([&] {
                  const auto written = QtFileStore().replace(post, "new");
                  return !written.ok && written.reason == "Permission denied";
              }),
              0);
    EXPECT_EQ(folder.content("post.txt"), "old");
}

// Runs `body` in a child process that the system ends after `seconds`: a
// read that waits for ever fails the test instead of hanging it.
int withinSeconds(unsigned seconds, const std::function<bool()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        alarm(seconds);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 4;
}

TEST(QtFileStore, aPipeNamedLikeAPostIsRefusedWithoutWaitingForAWriter) {
    Folder folder;
    const std::string pipe = folder.path("post.txt");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
    EXPECT_EQ(withinSeconds(5,
                            [&] {
                                const auto read = QtFileStore().read(pipe, 1000);
                                const auto written = QtFileStore().replace(pipe, "text");
                                const std::string reason(file_text::NotRegularFile.russian);
                                return read.status == Status::Failed && read.reason == reason &&
                                       !written.ok && written.reason == reason;
                            }),
              0);
    struct stat info {};
    ASSERT_EQ(stat(pipe.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode)); // not replaced by a file either
}

TEST(QtFileStore, leftoversOfACutOffSaveGoWithTheNextSaveAndNothingElseDoes) {
    Folder folder;
    folder.put("post.txt", "old");
    const char* ours[] = {".post.txt.quolan-a1B2c3", ".post.txt.quolan-zzzzzz"};
    const char* theirs[] = {"post.txt.backup", "post.txt.yfgxwg", ".other.txt.quolan-a1B2c3",
                            ".post.txt.quolan-a1B2c3.keep"};
    for (const char* name : ours)
        folder.put(name, "half a post");
    for (const char* name : theirs)
        folder.put(name, "the user's");
    ASSERT_TRUE(QtFileStore().replace(folder.path("post.txt"), "new").ok);
    EXPECT_EQ(folder.content("post.txt"), "new");
    for (const char* name : ours)
        EXPECT_FALSE(folder.exists(name)) << name;
    for (const char* name : theirs)
        EXPECT_EQ(folder.content(name), "the user's") << name;
}

TEST(QtFileStore, aSaveKeepsTheFilesPermissions) {
    Folder folder;
    folder.put("post.txt", "old");
    ASSERT_EQ(chmod(folder.path("post.txt").c_str(), 0640), 0);
    ASSERT_TRUE(QtFileStore().replace(folder.path("post.txt"), "new").ok);
    struct stat info {};
    ASSERT_EQ(stat(folder.path("post.txt").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640U);
}

// A document saving through the real store, its dialog answering `name`.
struct SavingDocument final : DocumentDialogs {
    explicit SavingDocument(std::string name) : name_(std::move(name)) {}
    std::optional<std::string> chooseOpenName(const std::string&) override { return {}; }
    std::optional<std::string> chooseSaveName(const std::string&) override { return name_; }
    void confirmNewDocument() override {}
    ReplaceAnswer askBeforeReplacing(const std::string&) override { return ReplaceAnswer::Cancel; }

    std::string name_;
    EditorModel editor;
    QtFileStore files;
    std::vector<std::string> messages;
    Document document{editor, files, *this,
                      [this](std::string_view m) { messages.emplace_back(m); }};
};

TEST(ProcessPreparation, aSaveBeyondTheFileSizeLimitIsAFailedSaveNotTheEnd) {
    Folder folder;
    const std::string post = folder.path("post.txt");
    const int status = withinSeconds(10, [&] {
        std::signal(SIGXFSZ, SIG_DFL); // as a program starts
        prepareProcess();
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &limit);
        SavingDocument saving(post);
        saving.editor.setText(std::string(100000, 'n'));
        const bool saved = saving.document.saveAs();
        const std::vector<std::string> expected{"Cannot create file \"" + post +
                                                "\". File too large"};
        if (saving.messages != expected)
            std::fprintf(stderr, "got %zu messages\n", saving.messages.size());
        return !saved && saving.messages == expected && saving.editor.length() == 100000;
    });
    EXPECT_EQ(status, 0) << "128 + " << SIGXFSZ << " is the program ended by the limit";
    EXPECT_FALSE(folder.exists("post.txt"));
}

// --- Rewriting in place ------------------------------------------------------

struct InPlaceFolder : LockedFolder {
    InPlaceFolder() {
        EXPECT_TRUE(QDir().mkpath(records));
        EXPECT_EQ(chmod(records.toLocal8Bit().constData(), 0777), 0);
    }
    QStringList recordsLeft() const {
        return QDir(records).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QString records = dir.filePath(QStringLiteral("records"));
};

TEST(QtFileStore, aRewriteInPlaceRefusedPartWayLeavesTheOldFileWhole) {
    const InPlaceFolder folder;
    const std::string settings = folder.path("ro/post.txt");
    const QString records = folder.records;
    EXPECT_EQ(unprivileged([&] {
                  const FileSizeLimit limit(4096);
                  const auto written = QtFileStore(QtFileStore::Fallback::WriteInPlace, records)
                                           .replace(settings, std::string(100000, 'n'));
                  return !written.ok && written.reason == "File too large";
              }),
              0);
    EXPECT_EQ(folder.content("ro/post.txt"), "old");
    EXPECT_TRUE(folder.recordsLeft().isEmpty());
}

TEST(QtFileStore, aRewriteInPlaceCutOffIsRolledBackAtTheNextRead) {
    const InPlaceFolder folder;
    const std::string settings = folder.path("ro/post.txt");
    const QString path = QString::fromStdString(settings);
    const InPlaceRewrite rewrite(folder.records);
    // As a kill leaves it: the old bytes kept aside, the new ones half over them.
    std::ofstream(rewrite.recordPath(path).toStdString(), std::ios::binary)
        << encodeRecord({settings, "[Size]\r\nTop=1\r\n"});
    folder.put("ro/post.txt", "[Size]\r\nTop=2222\r");

    const auto read =
        QtFileStore(QtFileStore::Fallback::WriteInPlace, folder.records).read(settings, 1000);
    EXPECT_EQ(read.status, Status::Ok);
    EXPECT_EQ(read.bytes, "[Size]\r\nTop=1\r\n");
    EXPECT_EQ(folder.content("ro/post.txt"), "[Size]\r\nTop=1\r\n");
    EXPECT_TRUE(folder.recordsLeft().isEmpty());
    // A store that never rewrites in place does not look for records.
    folder.put("ro/post.txt", "as it is");
    std::ofstream(rewrite.recordPath(path).toStdString(), std::ios::binary)
        << encodeRecord({settings, "old"});
    EXPECT_EQ(QtFileStore().read(settings, 1000).bytes, "as it is");
}

// --- A read-only file system ---------------------------------------------------

void writeProcFile(const char* name, const std::string& text) {
    std::ofstream(name) << text;
}

unsigned long carriedMountFlags(const std::string& folder) {
    struct statvfs info {};
    statvfs(folder.c_str(), &info);
    unsigned long flags = 0;
    const std::pair<unsigned long, unsigned long> kept[] = {
        {ST_NOSUID, MS_NOSUID},   {ST_NODEV, MS_NODEV},           {ST_NOEXEC, MS_NOEXEC},
        {ST_NOATIME, MS_NOATIME}, {ST_NODIRATIME, MS_NODIRATIME}, {ST_RELATIME, MS_RELATIME}};
    for (const auto& [has, keep] : kept)
        if (info.f_flag & has)
            flags |= keep;
    return flags;
}

// Makes `folder` read-only for this process alone: mounted over itself and
// remounted read-only, in user and mount namespaces of its own.
bool mountReadOnly(const std::string& folder) {
    const uid_t uid = geteuid();
    const gid_t gid = getegid();
    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
        std::perror("unshare (the test needs user namespaces)");
        return false;
    }
    writeProcFile("/proc/self/setgroups", "deny");
    writeProcFile("/proc/self/uid_map", std::to_string(uid) + " " + std::to_string(uid) + " 1");
    writeProcFile("/proc/self/gid_map", std::to_string(gid) + " " + std::to_string(gid) + " 1");
    return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) == 0 &&
           mount(nullptr, folder.c_str(), nullptr,
                 MS_REMOUNT | MS_BIND | MS_RDONLY | carriedMountFlags(folder), nullptr) == 0;
}

TEST(QtFileStore, aReadOnlyFileSystemIsReportedAsSuch) {
    Folder folder;
    folder.put("post.txt", "old");
    const std::string root = folder.dir.path().toStdString();
    const QString records = QString::fromStdString(root + "/records");
    EXPECT_EQ(withinSeconds(10,
                            [&] {
                                if (!mountReadOnly(root))
                                    return false;
                                const std::string reason = "Read-only file system";
                                const auto over = QtFileStore().replace(root + "/post.txt", "new");
                                const auto fresh = QtFileStore().replace(root + "/new.txt", "new");
                                const auto inPlace =
                                    QtFileStore(QtFileStore::Fallback::WriteInPlace, records)
                                        .replace(root + "/post.txt", "new");
                                for (const auto& w : {over, fresh, inPlace})
                                    std::fprintf(stderr, "%s\n", w.reason.c_str());
                                return !over.ok && over.reason == reason && !fresh.ok &&
                                       fresh.reason == reason && !inPlace.ok &&
                                       inPlace.reason == reason;
                            }),
              0);
    EXPECT_EQ(folder.content("post.txt"), "old");
}

} // namespace
} // namespace quolan
