#include "core/ui/CommandIds.h"
#include "core/ui/MenuTables.h"
#include "gui/app/WindowFactories.h"
#include "gui/app/WiredMainForm.h"
#include "gui/shell/MainFormFiles.h"
#include "gui/shell/MainFormTray.h"
#include "gui/shell/TOptions.h"
#include "gui/ui/SecondaryWindows.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>
#include <memory>

namespace quolan {
namespace {

using testing::child;

// Takes the addresses the program hands to the desktop.
class UrlRecorder final : public QObject {
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl& url) { opened << url.toString(QUrl::FullyEncoded); }
};

class TrayShell : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<WiredMainForm>();
        form->setErrorSink([this](std::string_view m) { errors.emplace_back(m); });
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &urls, "open");
    }
    void TearDown() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    QMenu& menu() { return form->tray().menu(); }
    QAction& item(const char* name) { return child<QAction>(menu(), name); }

    std::unique_ptr<TMainForm> form;
    UrlRecorder urls;
    std::vector<std::string> errors;
};

TEST_F(TrayShell, oneMenuNotOwnedByAnyWindowServesTheIconAndTheLinksButton) {
    EXPECT_EQ(form->tray().icon().contextMenu(), &menu());
    EXPECT_EQ(&form->popupMenu("PopupMenu1"), &menu());
    EXPECT_EQ(menu().parent(), nullptr);
    EXPECT_TRUE(form->tray().icon().toolTip().isEmpty());
    EXPECT_EQ(form->tray().icon().objectName(), QStringLiteral("RxTrayIcon1"));
    // Built from the table: every entry by name, in order, submenus nested.
    const QList<QAction*> top = menu().actions();
    QStringList names;
    for (QAction* action : top)
        names << action->objectName();
    EXPECT_EQ(names, (QStringList{"N39", "N71", "N43", "N40", "Brennow2", "N41", "N44", "N42"}));
    for (const MenuEntry& entry : popupMenu1())
        EXPECT_NE(menu().findChild<QObject*>(
                      QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()))),
                  nullptr)
            << entry.name;
    EXPECT_EQ(item("N42").text(), QString::fromUtf8("Выход"));
    EXPECT_TRUE(item("N40").isSeparator());

    // The links button pops up the same object.
    child<QToolButton>(*form, "SpeedButton2").click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu().isVisible(); }, 2000));
    menu().hide();
}

TEST_F(TrayShell, linkItemsOpenTheirAddressesEvenWhileADialogDisablesTheMainWindow) {
    auto dialog = std::make_unique<QWidget>(nullptr, Qt::Dialog);
    showWhileMainDisabled(*dialog, *form);
    ASSERT_FALSE(form->isEnabled());
    menu().popup(QPoint(10, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return menu().isVisible(); }, 2000));
    EXPECT_TRUE(menu().isEnabled());
    menu().hide();

    item("N47").trigger();
    item("FAQ1").trigger();
    EXPECT_EQ(urls.opened,
              (QStringList{"http://www.brennow.org/forum/register.php?s=&action=signup",
                           "http://www.brennow.org/forum/showthread.php?threadid=540"}));

    // "Выход" closes the disabled main window through its close query.
    QSignalSpy closing(form.get(), &TMainForm::closing);
    item("N42").trigger();
    EXPECT_EQ(closing.count(), 1);
}

TEST_F(TrayShell, minimisingTakesTheOpenWindowsAlongAndRestoringBringsBackOnlyThem) {
    auto smileys = std::make_unique<QWidget>(nullptr, Qt::Dialog);
    smileys->setObjectName(QStringLiteral("SmileFRM"));
    auto url = std::make_unique<QWidget>(nullptr, Qt::Dialog);
    url->setObjectName(QStringLiteral("UrlCreate"));
    auto help = std::make_unique<QWidget>(nullptr, Qt::Dialog);
    help->setObjectName(QStringLiteral("HelpFrm"));
    showBesideMain(*smileys, *form);
    showWhileMainDisabled(*url, *form);
    item("N71").trigger();
    EXPECT_TRUE(form->isMinimized());
    EXPECT_FALSE(smileys->isVisible());
    EXPECT_FALSE(url->isVisible());
    EXPECT_FALSE(form->isEnabled()); // the dialog was put away, not closed

    item("N43").trigger();
    EXPECT_FALSE(form->isMinimized());
    EXPECT_TRUE(smileys->isVisible());
    EXPECT_TRUE(url->isVisible());
    EXPECT_FALSE(help->isVisible());
    EXPECT_FALSE(form->isEnabled());
    url->close();
    EXPECT_TRUE(form->isEnabled());

    // From the title bar, back with a click on the icon; a double click adds nothing.
    form->showMinimized();
    EXPECT_FALSE(smileys->isVisible());
    emit form->tray().icon().activated(QSystemTrayIcon::Context);
    EXPECT_TRUE(form->isMinimized());
    emit form->tray().icon().activated(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(form->isMinimized());
    EXPECT_TRUE(smileys->isVisible());
    form->showMinimized();
    emit form->tray().icon().activated(QSystemTrayIcon::DoubleClick);
    emit form->tray().icon().activated(QSystemTrayIcon::MiddleClick);
    EXPECT_TRUE(form->isMinimized());
}

TEST_F(TrayShell, optionsWindowSetsAndStoresTheIconPictureOrSaysItCannot) {
    TOptions* options = static_cast<TOptions*>(createOptions(*form));
    std::unique_ptr<QWidget> owner(options);
    // The program's wiring list binds the command; a lone window needs it here.
    form->commands().add(cmd::Options, [&] { showBesideMain(*options, *form); });
    EXPECT_EQ(options->windowTitle(), QString::fromUtf8("Настройки"));
    EXPECT_EQ(options->size(), QSize(450, 230));
    EXPECT_EQ(options->edit1().text(), QStringLiteral("x.ico"));
    EXPECT_EQ(child<QLineEdit>(*options, "Edit1").width(), 425);
    EXPECT_EQ(options->openDialog1().windowTitle(), QString::fromUtf8("Трей иконка"));
    form->runCommand(cmd::Options);
    EXPECT_TRUE(options->isVisible());
    EXPECT_TRUE(form->isEnabled());

    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.ico"));
    const qint64 builtIn = form->tray().icon().icon().cacheKey();
    options->edit1().setText(missing);
    child<QPushButton>(*options, "Button3").click();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(missing.toStdString()), std::string::npos);
    EXPECT_EQ(form->tray().icon().icon().cacheKey(), builtIn);
    EXPECT_EQ(form->files().settings().readString("ICos", "TreyIco"), "");

    const QString png = dir.filePath(QStringLiteral("tray.png"));
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(png));
    options->edit1().setText(png);
    child<QPushButton>(*options, "Button3").click();
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_NE(form->tray().icon().icon().cacheKey(), builtIn);
    EXPECT_EQ(form->files().settings().readString("ICos", "TreyIco"), png.toStdString());

    child<QPushButton>(*options, "Button2").click();
    EXPECT_FALSE(options->isVisible());
}

} // namespace
} // namespace quolan

#include "TrayShellTest.moc"
