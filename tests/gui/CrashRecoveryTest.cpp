#include "core/document/TemporaryNames.h"
#include "core/recovery/RecoveryCopy.h"
#include "core/ui/CommandIds.h"
#include "gui/editor/MemoEdit.h"
#include "gui/recovery/MainFormRecovery.h"
#include "gui/recovery/QtRecoveryStore.h"
#include "gui/recovery/TRecoveryFrm.h"
#include "support/FilesFixture.h"
#include "support/GuiTestSupport.h"
#include "support/ModalScript.h"

#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSysInfo>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/time.h>

namespace quolan {
namespace {

using testing::child;
using testing::ModalScript;

// A main window that keeps its recovery copies in a folder of the test's
// own, with the program's confirmation windows; open() is the next start.
struct RecoveryFixture : testing::TempFolder {
    RecoveryFixture() = default;
    ~RecoveryFixture() { form.reset(); }
    RecoveryFixture(const RecoveryFixture&) = delete;
    RecoveryFixture& operator=(const RecoveryFixture&) = delete;

    TMainForm& open() {
        form.reset();
        form = std::make_unique<WiredMainForm>(nullptr, dir.filePath(QStringLiteral("quolan.INI")),
                                               stateFolder());
        form->useQuestionWindows({{}, &exitWindow, &createWindow});
        form->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        form->show();
        return *form;
    }
    // The first tick offers what earlier runs left.
    TRecoveryFrm& firstTick() const {
        emit form->firstTick();
        testing::settle();
        return form->recovery().window();
    }

    QString stateFolder() const { return dir.filePath(QStringLiteral("state/quolan")); }
    QStringList entries() const {
        return QDir(stateFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // Every copy in the folder that decodes, by its text.
    std::vector<std::string> copies() const {
        std::vector<std::string> texts;
        for (const QString& name : entries()) {
            if (!name.endsWith(QLatin1String(QtRecoveryStore::kSuffix)))
                continue;
            QFile file(stateFolder() + QLatin1Char('/') + name);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const DecodedCopy decoded = decodeRecoveryCopy(file.readAll().toStdString());
            if (decoded.status == DecodedCopy::Status::Ok)
                texts.push_back(decoded.copy.text);
        }
        return texts;
    }
    // A copy of a run that ended `age` seconds ago.
    void leaveCopy(const char* name, const RecoveryCopy& copy, int age) const {
        leaveBytes(name, encodeRecoveryCopy(copy), age);
    }
    void leaveBytes(const char* name, const std::string& bytes, int age = 0) const {
        QDir().mkpath(stateFolder());
        QFile file(stateFolder() + QLatin1Char('/') + QLatin1String(name) +
                   QLatin1String(QtRecoveryStore::kSuffix));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.flush();
        file.setFileTime(QDateTime::currentDateTime().addSecs(age),
                         QFileDevice::FileModificationTime);
    }
    Document& document() const { return form->files().document(); }

    TExitFrm2 exitWindow;
    TCreateNewFrm createWindow;
    std::unique_ptr<TMainForm> form;
};

TEST(CrashRecovery, aKilledProgramsPostIsOfferedAndRestoredWhereItBelonged) {
    RecoveryFixture f;
    f.put("post.txt", "Opened text");
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_STATE_HOME"), f.dir.filePath(QStringLiteral("state")));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUOLAN_RECOVERY_CHILD),
                  {QString::fromStdString(f.path("post.txt")), QStringLiteral(" and typed")});
    ASSERT_TRUE(program.waitForReadyRead(20000)) << program.readAllStandardError().toStdString();
    EXPECT_EQ(program.readAllStandardOutput(), QByteArray("typed\n"));

    // Soon after typing stops the copy is on the disk, and while its program
    // runs nobody else takes it.
    const std::vector<std::string> expected{"Opened text and typed"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.copies() == expected; }, 10000));
    {
        QtRecoveryStore another(f.stateFolder());
        EXPECT_TRUE(another.claimLeftCopies().empty());
    }
    program.kill(); // SIGKILL: nothing of the program's own runs any more
    ASSERT_TRUE(program.waitForFinished(10000));

    f.open();
    TRecoveryFrm& offer = f.firstTick();
    ASSERT_TRUE(offer.isVisible());
    EXPECT_FALSE(f.form->isEnabled());
    EXPECT_TRUE(child<QLabel>(offer, "Label2").text().contains(QStringLiteral("Opened text")));
    QTest::keyClick(&offer, Qt::Key_Return);
    testing::settle();

    EXPECT_FALSE(offer.isVisible());
    EXPECT_TRUE(f.form->isEnabled());
    EXPECT_EQ(f.form->editor().text(), "Opened text and typed");
    EXPECT_TRUE(f.form->editor().modified());
    EXPECT_EQ(f.document().state(), DocumentState::Opened);
    EXPECT_EQ(f.document().openName(), f.path("post.txt"));
    EXPECT_EQ(f.copies(), expected) << "kept by this run now";

    // A copy's write cut off by the kill leaves a temporary of ours; the next
    // write of the copy clears it, and the copy stays the user's alone.
    const QString copyName = f.entries().filter(QLatin1String(QtRecoveryStore::kSuffix)).first();
    const QString leftover = f.stateFolder() + QLatin1Char('/') +
                             QString::fromStdString(temporaryPrefix(copyName.toStdString())) +
                             QStringLiteral("Ab12Cd");
    QFile(leftover).open(QIODevice::WriteOnly);
    testing::typeText(f.form->memo(), QStringLiteral("!")); // at the start, as an opened post
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(leftover); }, 10000));
    EXPECT_EQ(f.copies(), std::vector<std::string>{"!Opened text and typed"});
    const QFileDevice::Permissions others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                                            QFileDevice::ReadOther | QFileDevice::WriteOther;
    EXPECT_FALSE(QFile::permissions(f.stateFolder() + QLatin1Char('/') + copyName) & others);

    f.form->runCommand(cmd::FileSave); // where it was opened from, no dialog
    EXPECT_EQ(f.content("post.txt"),
              "!Opened text and typed"); // typed where the caret was restored
    f.form->recovery().store()->finishOwn();
    EXPECT_TRUE(f.copies().empty());
    f.form.reset(); // the lock goes with the program
    EXPECT_TRUE(f.entries().isEmpty()) << f.entries().join(u' ').toStdString();
}

TEST(RecoveryFrm, offersTheNewestEscapeKeepsItDiscardRemovesItAndEnterRestoresTheNext) {
    RecoveryFixture f;
    f.leaveCopy("post-1-a", {DocumentState::New, {}, {}, "older post"}, -3600);
    f.leaveCopy("post-2-b", {DocumentState::New, {}, {}, "newer post"}, -60);
    f.leaveBytes("post-3-c", "QUOLAN-RECOVERY 1\nstate=New\nlength=99\n\ncut sh");

    f.open();
    TRecoveryFrm& offer = f.firstTick();
    ASSERT_TRUE(offer.isVisible());
    EXPECT_EQ(offer.windowTitle(), QString::fromUtf8("Несохранённая запись"));
    EXPECT_TRUE(child<QLabel>(offer, "Label2").text().contains(QStringLiteral("newer post")));
    QTest::keyClick(&offer, Qt::Key_Escape);
    testing::settle();
    EXPECT_FALSE(offer.isVisible());
    EXPECT_TRUE(f.form->isEnabled());
    EXPECT_EQ(f.form->editor().length(), 0U);
    // Everything stays, and no lock of this run holds it: the damaged copy
    // is left for a person to look at.
    const QStringList all{QStringLiteral("post-1-a.recovery"), QStringLiteral("post-2-b.recovery"),
                          QStringLiteral("post-3-c.recovery")};
    EXPECT_EQ(f.entries(), all);

    f.open(); // the next start asks again
    TRecoveryFrm& again = f.firstTick();
    ASSERT_TRUE(again.isVisible());
    child<QPushButton>(again, "Button2").click();
    testing::settle();
    EXPECT_FALSE(QFile::exists(f.stateFolder() + QStringLiteral("/post-2-b.recovery")));
    // The older one comes next.
    ASSERT_TRUE(again.isVisible());
    QTest::keyClick(&again, Qt::Key_Enter);
    testing::settle();
    EXPECT_EQ(f.form->editor().text(), "older post");
    EXPECT_EQ(f.copies(), std::vector<std::string>{"older post"});
}

TEST(RecoveryFrm, waitsForTheLanguageChooserToLetTheMainWindowGo) {
    RecoveryFixture f;
    f.leaveCopy("post-1-a", {DocumentState::New, {}, {}, "left behind"}, -60);
    f.open();
    f.form->setEnabled(false); // as the first-run chooser holds it
    TRecoveryFrm& offer = f.firstTick();
    EXPECT_FALSE(offer.isVisible());
    f.form->setEnabled(true);
    testing::settle();
    EXPECT_TRUE(offer.isVisible());
    EXPECT_FALSE(f.form->isEnabled());
}

TEST(RecoveryOnClose, theExitQuestionsCloseBoxKeepsTheLatestTypingAndLeavingDropsIt) {
    RecoveryFixture f;
    f.open();
    testing::typeText(f.form->memo(), QStringLiteral("typed just before"));
    {
        ModalScript script({[&](QWidget&) { f.exitWindow.close(); }});
        f.form->close();
        EXPECT_EQ(script.handled(), 1);
    }
    // No pause was waited for: the close wrote it.
    EXPECT_EQ(f.copies(), std::vector<std::string>{"typed just before"});

    f.open();
    f.firstTick();
    QTest::keyClick(&f.form->recovery().window(), Qt::Key_Enter);
    testing::settle();
    ASSERT_EQ(f.form->editor().text(), "typed just before");
    {
        ModalScript script(
            {[&](QWidget&) { child<QPushButton>(f.exitWindow, "Button2").click(); }});
        f.form->close();
    }
    f.form.reset();
    EXPECT_TRUE(f.entries().isEmpty()) << "\"Выйти\" leaves the post on purpose";
}

// Lock files as instances that died holding them left them, aged so that
// their age alone makes them look stale: only a lock that is held stays.
TEST(RecoveryLocks, theLocksOfGoneInstancesAreClearedAndALiveInstancesNever) {
    testing::TempFolder f;
    const QString folder = f.dir.filePath(QStringLiteral("state"));
    QtRecoveryStore saved(folder); // runs; its post was saved: a lock, no copy
    saved.writeOwn({DocumentState::New, {}, {}, "saved since"});
    saved.removeOwn();
    saved.finishOwn();
    QProcess ended;
    ended.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    ASSERT_TRUE(ended.waitForStarted());
    const qint64 deadPid = ended.processId();
    ended.kill();
    ASSERT_TRUE(ended.waitForFinished());
    // The second names a running program, this one: a reused pid.
    for (const qint64 pid : {deadPid, QCoreApplication::applicationPid()}) {
        QFile lock(folder + QStringLiteral("/post-%1-0a.recovery.lock").arg(pid));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(pid) + '\n' + QCoreApplication::applicationName().toUtf8() +
                   '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
    }
    const timeval hourAgo{QDateTime::currentSecsSinceEpoch() - 3600, 0};
    const timeval times[2] = {hourAgo, hourAgo};
    for (const QString& lock : QDir(folder).entryList({QStringLiteral("*.lock")}))
        ASSERT_EQ(::utimes(QFile::encodeName(folder + QLatin1Char('/') + lock).constData(), times),
                  0);

    QtRecoveryStore starting(folder);
    EXPECT_TRUE(starting.claimLeftCopies().empty());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).join(u' ').toStdString(),
              QFileInfo(saved.ownPath() + QStringLiteral(".lock")).fileName().toStdString());
}

} // namespace
} // namespace quolan
