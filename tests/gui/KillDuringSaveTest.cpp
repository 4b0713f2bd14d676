#include "core/settings/IniText.h"
#include "gui/shell/QtFileStore.h"
#include "helpers/SaveLoopContents.h"
#include "support/TempFolder.h"

#include <QDir>

#include <chrono>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quolan {
namespace {

using Status = FileStore::Read::Status;

// SaveLoop's folder: rw/ takes new files, ro/ does not (for an ordinary
// user: SaveLoop leaves root first), records/ keeps rollback records. Every
// file starts with the first content.
struct LoopFolder : testing::TempFolder {
    LoopFolder() {
        root = QDir(dir.path()).canonicalPath().toStdString();
        EXPECT_EQ(chmod(root.c_str(), 0755), 0);
        for (const char* sub : {"rw", "ro", "records"}) {
            EXPECT_TRUE(QDir(dir.path()).mkdir(QString::fromLatin1(sub)));
            EXPECT_EQ(chmod((root + "/" + sub).c_str(), 0777), 0);
        }
        // The value comes first, so that the rest of the file shifts with it
        // and a rewrite cut off anywhere shows.
        std::string first = "[Test]\r\nValue=" + save_loop::value(false) + "\r\n[Padding]\r\n";
        for (int i = 0; i < 5000; ++i)
            first += "Key" + std::to_string(i) + "=a line that makes the file long\r\n";
        settings[0] = first;
        settings[1] = ini::withValue(settings[0], "Test", "Value", save_loop::value(true));
        // Written again, the first value gives the first file back.
        EXPECT_EQ(ini::withValue(settings[1], "Test", "Value", save_loop::value(false)),
                  settings[0]);
        put("rw/post.txt", save_loop::post(false));
        put("rw/quolan.INI", settings[0]);
        put("ro/quolan.INI", settings[0]);
        for (const char* file : {"rw/post.txt", "rw/quolan.INI", "ro/quolan.INI"})
            EXPECT_EQ(chmod(path(file).c_str(), 0666), 0);
        EXPECT_EQ(chmod(path("ro").c_str(), 0555), 0);
    }
    ~LoopFolder() { chmod(path("ro").c_str(), 0755); }

    QStringList entries(const char* sub) const {
        return QDir(QString::fromStdString(path(sub)))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    bool isPost(const std::string& bytes) const {
        return bytes == save_loop::post(false) || bytes == save_loop::post(true);
    }
    bool isSettings(const std::string& bytes) const {
        return bytes == settings[0] || bytes == settings[1];
    }
    QtFileStore settingsStore() const {
        return QtFileStore(QtFileStore::Fallback::WriteInPlace,
                           QString::fromStdString(path("records")));
    }

    std::string root;
    std::string settings[2];
};

// Starts SaveLoop and waits until it is about to write; its process id.
pid_t startLoop(const LoopFolder& folder) {
    int ready[2];
    if (pipe(ready) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(ready[1], STDOUT_FILENO);
        close(ready[0]);
        close(ready[1]);
        execl(QUOLAN_SAVE_LOOP, QUOLAN_SAVE_LOOP, folder.root.c_str(), "loop", nullptr);
        _exit(127);
    }
    close(ready[1]);
    char byte = 0;
    const ssize_t got = read(ready[0], &byte, 1);
    close(ready[0]);
    EXPECT_EQ(got, 1) << "SaveLoop did not start";
    return child;
}

// Runs SaveLoop's single round of writes, with `environment` added; its exit status.
int runOnce(const LoopFolder& folder, const char* environment = nullptr) {
    const pid_t child = fork();
    if (child == 0) {
        if (environment)
            putenv(const_cast<char*>(environment));
        execl(QUOLAN_SAVE_LOOP, QUOLAN_SAVE_LOOP, folder.root.c_str(), "once", nullptr);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

TEST(KillDuringSave, everyFileIsTheWholeOldOrTheWholeNewContentAfterEveryKill) {
    const LoopFolder folder;
    std::random_device seeds;
    const unsigned seed = seeds();
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(0, 8000);
    SCOPED_TRACE("seed " + std::to_string(seed));

    constexpr int kKills = 300;
    int rolledBack = 0;       // in-place rewrites a kill cut off
    std::set<QString> strays; // temporary files kills left
    for (int kill = 0; kill < kKills && !HasFailure(); ++kill) {
        const pid_t child = startLoop(folder);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "SaveLoop failed on its own: " << status;

        EXPECT_TRUE(folder.isPost(folder.content("rw/post.txt"))) << "after kill " << kill;
        EXPECT_TRUE(folder.isSettings(folder.content("rw/quolan.INI"))) << "after kill " << kill;
        // In place, a kill may cut the rewrite off: the next read puts the old bytes back.
        if (!folder.isSettings(folder.content("ro/quolan.INI"))) {
            ++rolledBack;
            EXPECT_EQ(folder.entries("records").size(), 1) << "no record of a cut-off rewrite";
        }
        const FileStore::Read read =
            folder.settingsStore().read(folder.path("ro/quolan.INI"), std::size_t{1} << 24);
        EXPECT_EQ(read.status, Status::Ok);
        EXPECT_TRUE(folder.isSettings(read.bytes)) << "after kill " << kill;
        EXPECT_TRUE(folder.isSettings(folder.content("ro/quolan.INI")));
        for (const QString& entry : folder.entries("rw"))
            strays.insert(entry);
        EXPECT_EQ(folder.entries("ro"), QStringList{QStringLiteral("quolan.INI")});
    }
    std::printf("%d kills: %d in-place rewrites cut off and rolled back, %d temporary files "
                "left by kills\n",
                kKills, rolledBack, static_cast<int>(strays.size()) - 2);

    // The next save of each file leaves nothing of the killed ones behind.
    ASSERT_EQ(runOnce(folder), 0);
    EXPECT_TRUE(folder.isPost(folder.content("rw/post.txt")));
    EXPECT_TRUE(folder.isSettings(folder.content("rw/quolan.INI")));
    EXPECT_TRUE(folder.isSettings(folder.content("ro/quolan.INI")));
    EXPECT_EQ(folder.entries("rw"),
              (QStringList{QStringLiteral("post.txt"), QStringLiteral("quolan.INI")}));
    EXPECT_EQ(folder.entries("ro"), QStringList{QStringLiteral("quolan.INI")});
    EXPECT_EQ(folder.entries("records"), QStringList());
}

std::vector<std::string> lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> result;
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

// After a file is synced in `folder`, the folder itself is synced before the
// round of writes ends: the renamed file's new entry is on disk.
void expectFolderSyncedAfterItsFiles(const std::vector<std::string>& log,
                                     const std::string& folder) {
    bool fileSynced = false;
    bool folderSynced = false;
    for (const std::string& line : log) {
        if (line.find(' ' + folder + '/') != std::string::npos) {
            fileSynced = true;
            folderSynced = false;
        } else if (line == "fsync " + folder) {
            folderSynced = true;
        }
    }
    EXPECT_TRUE(fileSynced) << folder;
    EXPECT_TRUE(folderSynced) << folder;
}

TEST(SyncedSaves, syncTheFolderAfterEveryFileTheyPutInPlace) {
    const LoopFolder folder;
    const std::string log = folder.path("sync.log");
    folder.put("sync.log", ""); // SaveLoop may not make new files there
    EXPECT_EQ(chmod(log.c_str(), 0666), 0);
    const std::string setting = "QUOLAN_SYNC_LOG=" + log;
    ASSERT_EQ(runOnce(folder, setting.c_str()), 0);
    const std::vector<std::string> synced = lines(log);
    std::ostringstream all;
    for (const std::string& line : synced)
        all << line << '\n';
    SCOPED_TRACE(all.str());
    expectFolderSyncedAfterItsFiles(synced, folder.root + "/rw");
    expectFolderSyncedAfterItsFiles(synced, folder.root + "/records");
    // Rewritten in place, the settings file is synced itself.
    EXPECT_NE(std::find(synced.begin(), synced.end(), "fsync " + folder.root + "/ro/quolan.INI"),
              synced.end());
}

} // namespace
} // namespace quolan
