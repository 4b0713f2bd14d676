// Windows on a desktop with a window manager: each one the program opens
// names the main window as its owner and hands the keyboard back to the post
// when it closes; minimising puts windows away without closing them, and
// brings the main window back in the state it had.
#include "core/recovery/RecoveryCopy.h"
#include "core/ui/CommandIds.h"
#include "gui/info/AnimatedChain.h"
#include "gui/info/TAbout.h"
#include "gui/info/TCredits.h"
#include "gui/recovery/MainFormRecovery.h"
#include "gui/recovery/QtRecoveryStore.h"
#include "gui/recovery/TRecoveryFrm.h"
#include "gui/shell/MainFormFiles.h"
#include "gui/shell/MainFormTray.h"
#include "gui/shell/StateFolder.h"
#include "gui/support/ModalScript.h"
#include "x11/support/ProgramOnDesktop.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <functional>

namespace quolan {
namespace {

using testing::ModalScript;
using x11::pressKeys;

class OwnedWindows : public x11::ProgramOnDesktop {
protected:
    // Answers the next modal window with `keys`, after noting whether the
    // main window owns it; true once it is answered and gone.
    static bool answerModal(const char* name, const char* keys,
                            const std::function<void()>& opening) {
        bool owned = false;
        QString seen;
        ModalScript script({[&](QWidget& modal) {
            seen = modal.objectName();
            owned =
                QTest::qWaitFor([&] { return modal.isActiveWindow(); }, 3000) && ownedByMain(modal);
            pressKeys(keys, [&modal] { return !modal.isVisible(); });
        }});
        opening();
        const bool answered = QTest::qWaitFor(
            [&] { return script.handled() == 1 && !QApplication::activeModalWidget(); }, 5000);
        EXPECT_EQ(seen.toStdString(), name);
        EXPECT_TRUE(owned) << name;
        return answered;
    }
};

TEST_F(OwnedWindows, theFileDialogsNameTheMainWindowAndLeaveThePostTheKeys) {
    const std::pair<const char*, const char*> openings[] = {
        {"ctrl+o", "OpenDialog1"}, {"ctrl+alt+s", "SaveDialog1"}, {"ctrl+s", "SaveDialog1"}};
    for (const auto& [keys, name] : openings) {
        SCOPED_TRACE(keys);
        EXPECT_TRUE(
            answerModal(name, "Escape", [keys = keys] { pressKeys(keys, [] { return true; }); }));
        typesIntoThePost("x");
    }
}

TEST_F(OwnedWindows, theStartUpMessageAndTheRecoveryOfferNameTheMainWindow) {
    // A new start, left a recovery copy by a run killed a minute ago, and
    // given a file it cannot open.
    windows_.reset();
    const QString folder = programStateFolder();
    QDir().mkpath(folder);
    QFile copy(folder + QStringLiteral("/post-1-a") + QLatin1String(QtRecoveryStore::kSuffix));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(encodeRecoveryCopy({DocumentState::New, {}, {}, "left behind"}).c_str());
    copy.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
    copy.close();
    windows_ = std::make_unique<ProgramWindows>();
    testing::SilentProgress progress;
    windows_->create(progress);
    MainForm->findChild<QTimer*>(QStringLiteral("Timer1"))->stop(); // ticked below
    MainForm->show();
    EXPECT_TRUE(answerModal("ErrorMessage", "Return", [] {
        MainForm->files().openGivenFiles({QStringLiteral("/nonexistent/quolan/post.txt")});
    }));
    // The keyboard is back in the post; typed into, it would not be offered
    // the copy.
    EXPECT_TRUE(QTest::qWaitFor([] { return x11::activeXWindow() == MainForm->winId(); }, 3000));
    EXPECT_TRUE(MainForm->memo().hasFocus());

    emit MainForm->firstTick(); // offers the copy
    TRecoveryFrm& offer = MainForm->recovery().window();
    ASSERT_TRUE(shown(&offer));
    EXPECT_TRUE(ownedByMain(offer));
    pressKeys("Escape", [&] { return !offer.isVisible(); }); // kept for later
    typesIntoThePost("x");
}

// The window manager has the main window minimised, or back, and the
// program has taken note of it.
bool minimised() {
    return QTest::qWaitFor(
        [] { return x11::inXState(MainForm->winId(), "Iconic") && MainForm->isMinimized(); }, 3000);
}
bool restored() {
    return QTest::qWaitFor(
        [] { return x11::inXState(MainForm->winId(), "Normal") && !MainForm->isMinimized(); },
        3000);
}

TEST_F(OwnedWindows, minimisingWithTheAboutWindowOpenIsNoClosingOfIt) {
    TAbout* about = About;
    // Openings that stay at their first stage while the test runs.
    for (AnimatedChain* chain : {&about->animation(), &Credits->animation()})
        for (std::size_t stage = 0; stage < chain->chain().size(); ++stage)
            chain->timer(stage).setInterval(60'000);
    MainForm->runCommand(cmd::About);
    ASSERT_TRUE(shown(about));
    MainForm->runCommand(cmd::Minimize);
    ASSERT_TRUE(minimised());
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(about->animation().chain().anyRunning());
    EXPECT_FALSE(MainForm->isEnabled());

    MainForm->tray().RxTrayIcon1Click();
    ASSERT_TRUE(restored());
    ASSERT_TRUE(shown(about));
    EXPECT_FALSE(MainForm->isEnabled()); // typing still goes to the about window
    EXPECT_TRUE(ownedByMain(*about));

    // The credits over it, and the title bar's minimise this time.
    about->Label6Click();
    ASSERT_TRUE(shown(Credits));
    const std::string window = std::to_string(MainForm->winId());
    ASSERT_EQ(std::system(("xdotool windowminimize " + window).c_str()), 0);
    ASSERT_TRUE(minimised());
    ASSERT_TRUE(QTest::qWaitFor([] { return !Credits->isVisible(); }, 3000));
    EXPECT_TRUE(Credits->animation().chain().anyRunning());
    EXPECT_FALSE(about->isEnabled());
    MainForm->tray().RxTrayIcon1Click();
    ASSERT_TRUE(restored());
    ASSERT_TRUE(shown(Credits));
    EXPECT_FALSE(about->isEnabled());
    EXPECT_FALSE(MainForm->isEnabled());

    Credits->CreditsOkClick();
    ASSERT_TRUE(shown(about));
    pressKeys("Escape", [&] { return !about->isVisible(); });
    typesIntoThePost("x");
}

TEST_F(OwnedWindows, aMaximisedMainWindowComesBackMaximised) {
    const auto maximised = [] {
        return QTest::qWaitFor(
            [] { return x11::inXState(MainForm->winId(), "_NET_WM_STATE_MAXIMIZED_VERT"); }, 3000);
    };
    MainForm->showMaximized();
    ASSERT_TRUE(maximised());
    for (const bool byIcon : {false, true}) {
        MainForm->runCommand(cmd::Minimize);
        ASSERT_TRUE(minimised());
        if (byIcon)
            MainForm->tray().RxTrayIcon1Click();
        else
            MainForm->runCommand(cmd::Restore);
        ASSERT_TRUE(restored());
        EXPECT_TRUE(maximised()) << byIcon;
        EXPECT_TRUE(MainForm->isMaximized());
    }
    ASSERT_TRUE(comesToFront(*MainForm));
    typesIntoThePost("x");
}

} // namespace
} // namespace quolan
