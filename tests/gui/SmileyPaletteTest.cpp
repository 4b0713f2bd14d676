#include "core/app/StartupSequence.h"
#include "core/tags/SmileyTable.h"
#include "core/ui/CommandIds.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/WindowFactories.h"
#include "gui/app/Windows.h"
#include "gui/app/WiredMainForm.h"
#include "gui/editor/MemoEdit.h"
#include "gui/tags/GlyphButton.h"
#include "gui/tags/TSmileFRM.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SecondaryWindows.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace quolan {
namespace {

using testing::child;
using testing::settle;

QString name(std::string_view text) {
    return ui(text);
}

// Counts what would show that a window was touched: shown again, raised,
// moved, activated.
class Disturbances final : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::ZOrderChange:
        case QEvent::Move:
        case QEvent::WindowActivate:
        case QEvent::ShowToParent:
            ++count;
            break;
        default:
            break;
        }
        return false;
    }
    int count = 0;
};

class SmileyPalette : public ::testing::Test {
protected:
    SmileyPalette() {
        main->setErrorSink([this](std::string_view m) { messages.emplace_back(m); });
        // The program's wiring list binds the command; a lone palette needs it here.
        main->commands().add(cmd::Smileys, [this] { palette->showPalette(*main); });
        main->show();
        main->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
        memo().setFocus();
    }

    MemoEdit& memo() { return main->memo(); }
    EditorModel& editor() { return main->editor(); }
    QTabWidget& pages() { return child<QTabWidget>(*palette, "PageControl1"); }
    GlyphButton& button(const Smiley& s) { return child<GlyphButton>(*palette, s.button.data()); }
    const Smiley& row(std::string_view button) {
        for (const Smiley& s : smileyTable())
            if (s.button == button)
                return s;
        throw std::runtime_error("no smiley row");
    }
    void openPalette() {
        main->runCommand(cmd::Smileys);
        settle();
    }
    void click(const Smiley& s) {
        pages().setCurrentIndex(s.page);
        QTest::mouseClick(&button(s), Qt::LeftButton);
    }
    void click(std::string_view buttonName) { click(row(buttonName)); }
    void pressOk() {
        QTest::mouseClick(&child<GlyphButton>(*palette, "SpeedButton29"), Qt::LeftButton);
        settle();
    }
    void expectViewShowsModel() {
        EXPECT_EQ(memo().toPlainText(), displayText(editor().text()));
        EXPECT_EQ(static_cast<std::size_t>(memo().textCursor().position()),
                  editor().selectionStart());
    }

    std::unique_ptr<TMainForm> main = std::make_unique<WiredMainForm>();
    std::unique_ptr<TSmileFRM> palette{createSmileFRM(*main)};
    std::vector<std::string> messages;
};

TEST_F(SmileyPalette, isAFixedTopLevelWindowOfItsOwnCentredOnTheDesktop) {
    EXPECT_EQ(palette->objectName(), QStringLiteral("SmileFRM"));
    EXPECT_EQ(palette->windowTitle(), name("Смайлы"));
    EXPECT_FALSE(palette->isVisible()) << "created hidden";
    EXPECT_EQ(palette->parentWidget(), nullptr) << "a child would be disabled with the main window";
    EXPECT_TRUE(palette->isWindow());
    EXPECT_EQ(palette->minimumSize(), QSize(473, 340));
    EXPECT_EQ(palette->maximumSize(), QSize(473, 340));
    const Qt::WindowFlags flags = palette->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    const QPoint screenCentre = QGuiApplication::primaryScreen()->geometry().center();
    EXPECT_LE((palette->geometry().center() - screenCentre).manhattanLength(), 2);

    EXPECT_EQ(pages().geometry(), QRect(8, 8, 457, 297));
    ASSERT_EQ(pages().count(), 2);
    EXPECT_EQ(pages().widget(0)->objectName(), QStringLiteral("TabSheet1"));
    EXPECT_EQ(pages().widget(1)->objectName(), QStringLiteral("TabSheet2"));
    EXPECT_EQ(pages().tabText(0), name("Стандартные"));
    EXPECT_EQ(pages().tabText(1), name("Дополнительные"));
    EXPECT_EQ(pages().currentIndex(), 0);

    auto& ok = child<GlyphButton>(*palette, "SpeedButton29");
    EXPECT_EQ(ok.text(), QStringLiteral("Ok"));
    EXPECT_TRUE(ok.font().bold());
    EXPECT_EQ(ok.geometry(), QRect(376, 312, 81, 22));
    EXPECT_EQ(ok.focusPolicy(), Qt::NoFocus);
}

TEST_F(SmileyPalette, everyButtonStandsOnItsPageAsTheTableSays) {
    openPalette();
    for (const Smiley& s : smileyTable()) {
        SCOPED_TRACE(s.button.data());
        pages().setCurrentIndex(s.page);
        settle();
        QWidget* sheet = pages().widget(s.page);
        GlyphButton& b = child<GlyphButton>(*sheet, s.button.data());
        EXPECT_EQ(b.parentWidget(), sheet);
        EXPECT_EQ(b.geometry(), QRect(s.left, s.top, s.width, s.height));
        EXPECT_TRUE(sheet->rect().contains(b.geometry())) << "cut off by the page";
        EXPECT_EQ(b.text(), name(s.caption));
        EXPECT_TRUE(b.font().bold());
        EXPECT_FALSE(b.icon().isNull());
        EXPECT_EQ(b.iconSize(), QSize(s.pictureWidth, s.pictureHeight));
        EXPECT_EQ(b.pictureSide(), s.side);
        EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
        EXPECT_TRUE(b.autoRaise());

        const QRect picture = b.pictureRect();
        const QRect caption = b.captionRect();
        EXPECT_EQ(picture.size(), QSize(s.pictureWidth, s.pictureHeight));
        EXPECT_TRUE(b.rect().contains(picture));
        EXPECT_FALSE(picture.intersects(caption));
        switch (s.side) {
        case PictureSide::Right:
            EXPECT_GT(picture.left(), caption.right());
            break;
        case PictureSide::Left:
            EXPECT_LT(picture.right(), caption.left());
            break;
        case PictureSide::Below:
            EXPECT_GT(picture.top(), caption.bottom());
            break;
        case PictureSide::Above:
            EXPECT_LT(picture.bottom(), caption.top());
            break;
        }
    }
}

TEST_F(SmileyPalette, everyButtonWritesItsOwnCode) {
    openPalette();
    for (const Smiley& s : smileyTable()) {
        SCOPED_TRACE(s.button.data());
        editor().clear();
        click(s);
        EXPECT_EQ(editor().text(), std::string(s.inserted));
        EXPECT_EQ(editor().selectionStart(), s.inserted.size());
        EXPECT_EQ(editor().selectionLength(), 0u);
        EXPECT_TRUE(editor().modified());
        expectViewShowsModel();
    }
    // The codes whose text is easiest to get wrong, spelled out.
    const std::pair<std::string_view, std::string_view> exact[] = {
        {"SpeedButton8", ":p"},         {"SpeedButton33", ":`("},       {"SpeedButton24", "\\m/"},
        {"SpeedButton2", "[censored]"}, {"SpeedButton35", ":in love:"},
    };
    for (const auto& [buttonName, text] : exact) {
        editor().clear();
        click(buttonName);
        EXPECT_EQ(editor().text(), std::string(text)) << buttonName;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(SmileyPalette, consecutiveClicksFollowEachOtherAndTypingGoesOnAfterThem) {
    openPalette();
    click("SpeedButton7");  // :)
    click("SpeedButton26"); // ;)
    EXPECT_EQ(editor().text(), ":);)");
    EXPECT_EQ(editor().selectionStart(), 4u);
    expectViewShowsModel();

    EXPECT_EQ(main->focusWidget(), &memo());
    testing::typeText(memo(), QStringLiteral("ok ") + name("да"));
    EXPECT_EQ(editor().text(), ":);)ok \xE4\xE0");
    click("SpeedButton3"); // :D
    EXPECT_EQ(editor().text(), ":);)ok \xE4\xE0:D");
    expectViewShowsModel();
}

TEST_F(SmileyPalette, aClickReplacesTheSelectionMadeInTheEditor) {
    openPalette();
    testing::typeText(memo(), QStringLiteral("hello world"));
    QTextCursor cursor = memo().textCursor();
    cursor.setPosition(0);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    memo().setTextCursor(cursor);
    ASSERT_EQ(editor().selectedText(), "hello");
    click("SpeedButton5"); // :cool:
    EXPECT_EQ(editor().text(), ":cool: world");
    EXPECT_EQ(editor().selectionStart(), 6u);
    EXPECT_EQ(editor().selectionLength(), 0u);
    expectViewShowsModel();
    EXPECT_FALSE(memo().textCursor().hasSelection());
}

TEST_F(SmileyPalette, keepsWorkingWhileADialogHasDisabledTheMainWindow) {
    openPalette();
    QWidget dialog(nullptr, Qt::Dialog);
    showWhileMainDisabled(dialog, *main);
    settle();
    ASSERT_FALSE(main->isEnabled());
    EXPECT_TRUE(palette->isEnabled());
    EXPECT_TRUE(button(row("SpeedButton7")).isEnabled());

    click("SpeedButton7");
    click("SpeedButton30"); // a button of the other page
    EXPECT_EQ(editor().text(), ":):Pokemon:");
    expectViewShowsModel();
    EXPECT_FALSE(main->isEnabled()) << "the palette must leave the main window disabled";

    dialog.close();
    settle();
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(SmileyPalette, neverChangesWhetherTheMainWindowIsEnabled) {
    for (const bool enabled : {true, false}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        main->setEnabled(enabled);
        openPalette();
        ASSERT_TRUE(palette->isVisible());
        EXPECT_EQ(main->isEnabled(), enabled);
        click("SpeedButton10");
        EXPECT_EQ(main->isEnabled(), enabled);
        pressOk();
        EXPECT_FALSE(palette->isVisible());
        EXPECT_EQ(main->isEnabled(), enabled);
        openPalette();
        palette->close(); // the close box
        settle();
        EXPECT_FALSE(palette->isVisible());
        EXPECT_EQ(main->isEnabled(), enabled);
    }
}

TEST_F(SmileyPalette, leavesTheFocusWithTheEditor) {
    // Never activated by the window system, so the keyboard stays where it was.
    EXPECT_TRUE(palette->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    EXPECT_TRUE(palette->testAttribute(Qt::WA_ShowWithoutActivating));
    openPalette();
    click("SpeedButton7");
    click("SpeedButton16");
    pressOk();
    EXPECT_EQ(main->focusWidget(), &memo());
}

TEST_F(SmileyPalette, reopensOnThePageShownLast) {
    openPalette();
    pages().setCurrentIndex(1);
    pressOk();
    ASSERT_FALSE(palette->isVisible());
    openPalette();
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(pages().currentWidget()->objectName(), QStringLiteral("TabSheet2"));

    pages().setCurrentIndex(0);
    palette->close();
    settle();
    openPalette();
    EXPECT_EQ(pages().currentWidget()->objectName(), QStringLiteral("TabSheet1"));
}

TEST_F(SmileyPalette, theMenuItemOpensItAndChangesNothingWhileItIsShown) {
    auto& item = child<QAction>(*main, "N60");
    EXPECT_FALSE(item.icon().isNull()) << "the item has a small picture";
    item.trigger();
    settle();
    ASSERT_TRUE(palette->isVisible());
    pages().setCurrentIndex(1);
    palette->move(palette->pos() + QPoint(30, 20));
    settle();
    const QRect where = palette->geometry();

    Disturbances watch;
    palette->installEventFilter(&watch);
    item.trigger();
    main->runCommand(cmd::Smileys);
    settle();
    palette->removeEventFilter(&watch);

    EXPECT_EQ(watch.count, 0) << "shown again, raised, moved or activated";
    EXPECT_EQ(palette->geometry(), where);
    EXPECT_EQ(pages().currentIndex(), 1);
    int palettes = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        palettes += w->objectName() == QStringLiteral("SmileFRM") ? 1 : 0;
    EXPECT_EQ(palettes, 1);
}

TEST_F(SmileyPalette, ctrlShiftSOpensIt) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    QTest::keyClick(&memo(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    settle();
    EXPECT_TRUE(palette->isVisible());
    EXPECT_EQ(editor().text(), "") << "the key must not reach the editor";
}

TEST(SmileyPaletteAlone, tellsWhenThePostIsFull) {
    EditorModel editor(8);
    ASSERT_EQ(editor.setText("abcdef"), EditorModel::Result::Changed);
    editor.setSelection(6, 0);
    std::vector<std::string> messages;
    TSmileFRM palette(editor, [&](std::string_view m) { messages.emplace_back(m); });
    palette.show();
    auto& rolleyes = child<GlyphButton>(palette, "SpeedButton27");
    QTest::mouseClick(&rolleyes, Qt::LeftButton);
    EXPECT_EQ(editor.text(), "abcdef");
    EXPECT_EQ(messages, std::vector<std::string>{"Text exceeds memo capacity"});
}

class RecordedProgress final : public StartupProgress {
public:
    void setProgress(int position) override { positions.push_back(position); }
    void appendLog(std::string_view line) override { log.emplace_back(line); }
    void refresh() override {}
    std::vector<int> positions;
    std::vector<std::string> log;
};

TEST(SmileyPaletteStartup, isCreatedHiddenAtItsRowWithItsCommand) {
    RecordedProgress progress;
    {
        ProgramWindows windows;
        windows.create(progress);
        ASSERT_NE(MainForm, nullptr);
        ASSERT_NE(SmileFRM, nullptr);
        EXPECT_FALSE(SmileFRM->isVisible());
        EXPECT_TRUE(MainForm->commands().contains(cmd::Smileys));
        const auto at = std::find(progress.log.begin(), progress.log.end(), "Smile form");
        ASSERT_NE(at, progress.log.end());
        EXPECT_LT(std::find(progress.log.begin(), progress.log.end(), "Главная форма"), at);
        EXPECT_NE(std::find(progress.positions.begin(), progress.positions.end(), 90),
                  progress.positions.end());
        MainForm->runCommand(cmd::Smileys);
        settle();
        EXPECT_TRUE(SmileFRM->isVisible());
    }
    EXPECT_EQ(SmileFRM, nullptr);
    EXPECT_EQ(MainForm, nullptr);
}

} // namespace
} // namespace quolan
