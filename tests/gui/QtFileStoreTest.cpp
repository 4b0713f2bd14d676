#include "gui/shell/QtFileStore.h"

#include "core/app/ProcessPreparation.h"
#include "core/document/Document.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
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
    // A device without an end is refused at the limit, not read forever.
    EXPECT_EQ(files.read("/dev/zero", 200000).status, Status::TooLarge);
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
    EXPECT_EQ(unprivileged([&] {
                  return QtFileStore(QtFileStore::Fallback::WriteInPlace).replace(post, "new").ok;
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

} // namespace
} // namespace quolan
