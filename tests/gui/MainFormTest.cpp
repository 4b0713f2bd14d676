#include "core/ui/CommandIds.h"
#include "core/ui/MenuTables.h"
#include "core/ui/ToolbarTable.h"
#include "gui/app/WiredMainForm.h"
#include "gui/editor/MemoEdit.h"
#include "gui/pictures/Pictures.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SecondaryWindows.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFontDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>

namespace quolan {
namespace {

using testing::child;

class MainForm : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<WiredMainForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->memo().setFocus();
    }
    EditorModel& model() { return form->editor(); }
    QAction& action(const char* name) { return child<QAction>(*form, name); }
    QToolButton& button(const char* name) { return child<QToolButton>(*form, name); }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(&form->memo(), k, modifiers);
    }
    // Counts runs of a command that this build has no window for yet.
    int& countRuns(std::string_view command) {
        auto& count = counts.emplace_back(std::make_unique<int>(0));
        int* counter = count.get();
        form->commands().add(command, [counter] { ++*counter; });
        return *counter;
    }

    std::unique_ptr<TMainForm> form;
    std::vector<std::unique_ptr<int>> counts;
};

TEST_F(MainForm, isBuiltWithItsCaptionCounterAndPages) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quolan for Brennow"));
    EXPECT_EQ(child<QLabel>(*form, "Len").text(), QString::fromUtf8("Количество символов: 0"));
    auto& pages = child<QTabWidget>(*form, "PageControl1");
    EXPECT_EQ(pages.currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    EXPECT_EQ(pages.tabText(0), QString::fromUtf8("Текст"));
    EXPECT_FALSE(pages.isTabVisible(1));
    EXPECT_FALSE(child<QTextEdit>(*form, "Memo3").isVisible());
    EXPECT_EQ(child<QWidget>(*form, "CoolBar1").height(), 33);
    EXPECT_EQ(child<QWidget>(*form, "CoolBar2").height(), 19);
    EXPECT_EQ(form->memo().lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(form->memo().verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(MainForm, everyDeclaredControlExistsUnderItsName) {
    for (const MenuTable table : {mainMenu(), memoPopup(), popupMenu2()})
        for (const MenuEntry& entry : table)
            EXPECT_NE(form->findChild<QObject*>(ui(entry.name)), nullptr) << entry.name;
    // The tray's menu belongs to no window, so that a disabled one cannot block it.
    for (const MenuEntry& entry : popupMenu1())
        EXPECT_NE(form->popupMenu("PopupMenu1").findChild<QObject*>(ui(entry.name)), nullptr)
            << entry.name;
    for (const ToolbarEntry& entry : mainToolbar()) {
        if (entry.isSeparator())
            continue;
        auto& b = button(std::string(entry.name).c_str());
        EXPECT_EQ(b.toolTip(), ui(entry.hint)) << entry.name;
        EXPECT_EQ(b.size(), QSize(entry.width, 18)) << entry.name;
        EXPECT_EQ(b.focusPolicy(), Qt::NoFocus) << entry.name;
    }
    EXPECT_EQ(button("boldbtn").text(), QStringLiteral("B"));
    EXPECT_TRUE(button("boldbtn").font().bold());
    EXPECT_TRUE(button("UnderBtn").font().underline());
    EXPECT_TRUE(button("ItalicBtn").font().italic());
    EXPECT_FALSE(button("CenterBtn").icon().isNull());
}

TEST_F(MainForm, menuCaptionsAreAsBuiltAndShowOnlyKeysThatWork) {
    // The menu shows each item's key from its shortcut; no caption carries one.
    const struct {
        const char* item;
        const char* caption;
        const char* key;
    } items[] = {
        {"N22", "Созд&ать", "Ctrl+N"},
        {"N2", "В&ыход", ""},
        {"N16", "Специальное действие [sa][/sa]", "Alt+S"},
        {"N10", "Размер [size=][/size]", "Alt+Z"},
        {"Code1", "Code [code][/code]", "Alt+K"},
        {"N19", "Копировать всё в буфер", "Ctrl+Shift+A"},
    };
    for (const auto& item : items) {
        EXPECT_EQ(action(item.item).text(), QString::fromUtf8(item.caption));
        EXPECT_EQ(action(item.item).shortcut().toString(QKeySequence::PortableText),
                  QString::fromLatin1(item.key));
    }
    EXPECT_FALSE(action("N67").isVisible());
    EXPECT_FALSE(child<QMenu>(*form, "N38").menuAction()->isVisible());
    EXPECT_FALSE(child<QMenu>(*form, "N64").menuAction()->isVisible());
    EXPECT_TRUE(action("N57").isChecked());
}

// The toolbar button, the "Теги" item and the context-menu item of one tag
// give the same text.
TEST_F(MainForm, theThreeControlsOfATagGiveIdenticalText) {
    struct Triple {
        const char* button;
        const char* item;
        const char* popupItem;
    };
    const Triple triples[] = {
        {"boldbtn", "N4", "BOLD1"},
        {"UnderBtn", "N7", "UNDERLINE1"},
        {"ItalicBtn", "N8", "ITALIC1"},
        {"oocbtn", "Outofcharoocooc1", "OOC1"},
        {"CenterBtn", "centercenter1", "CENTER1"},
        {"RightBtn", "N37", "RIGHT1"},
        {nullptr, "N14", "QUOTE1"},
        {nullptr, "Code1", "CODE2"},
        {nullptr, "PHP1", "PHP2"},
    };
    for (const Triple& t : triples) {
        std::vector<std::string> results;
        const auto fresh = [&] {
            model().setText("say hello");
            model().setSelection(4, 5);
        };
        if (t.button) {
            fresh();
            QTest::mouseClick(&button(t.button), Qt::LeftButton);
            results.push_back(model().text());
        }
        fresh();
        action(t.item).trigger();
        results.push_back(model().text());
        fresh();
        action(t.popupItem).trigger();
        results.push_back(model().text());
        for (const std::string& r : results)
            EXPECT_EQ(r, results.front()) << t.item;
        EXPECT_NE(results.front(), "say hello") << t.item;
        EXPECT_EQ(form->memo().toPlainText(), displayText(results.front())) << t.item;
    }
}

TEST_F(MainForm, menuKeysGoToTheFirstItemThatCarriesThem) {
    int& specialAction = countRuns(cmd::DialogSpecialAction);
    int& size = countRuns(cmd::DialogSize);
    int& color = countRuns(cmd::DialogColor);

    key(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(specialAction, 1);
    EXPECT_EQ(size, 0);
    key(Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(color, 1);
    EXPECT_EQ(model().text(), ""); // not the code tag
    model().setText("[b]x[/b]");
    key(Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier); // items of the hidden menu
    EXPECT_EQ(model().text(), "<b>x</b>");
    key(Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(model().text(), "[b]x[/b]");
    model().clear();

    key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(model().text(), "[center][/center]"); // not copy all
    key(Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(size, 1);
    key(Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(model().text(), "[center][/center][code][/code]");
    key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(model().text(), "[center][/center][code][/code][b][/b]");
    EXPECT_EQ(form->memo().toPlainText(), QStringLiteral("[center][/center][code][/code][b][/b]"));
}

// The menu shows the keys from its items' shortcuts, but only the window's own
// key handling acts on them: once per press in the editor, and once per press
// with the menu bar holding the focus, as after Escape closed a menu opened
// with F10 (then the items' shortcuts match as well).
TEST_F(MainForm, aMenuKeyRunsItsCommandOncePerPressWhateverHasTheFocus) {
    int& specialAction = countRuns(cmd::DialogSpecialAction);
    int& size = countRuns(cmd::DialogSize);
    const auto pressThrice = [&](QWidget& holder) {
        for (int press = 1; press <= 3; ++press)
            QTest::keyClick(&holder, Qt::Key_S, Qt::AltModifier);
    };
    pressThrice(form->memo());
    EXPECT_EQ(specialAction, 3);

    QTest::keyClick(&form->memo(), Qt::Key_F10);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }));
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    ASSERT_EQ(QApplication::focusWidget(), form->menuBar());
    pressThrice(*form->menuBar());
    EXPECT_EQ(specialAction, 6);
    QTest::keyClick(form->menuBar(), Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(size, 1);
}

TEST_F(MainForm, altWithAKeyNoMenuTakesTypesNothingButAltGrCharactersDo) {
    MemoEdit& memo = form->memo();
    const auto send = [&memo](int key, Qt::KeyboardModifiers mods, const QString& text) {
        QTest::sendKeyEvent(QTest::KeyAction::Press, &memo, Qt::Key(key), text, mods);
        QTest::sendKeyEvent(QTest::KeyAction::Release, &memo, Qt::Key(key), text, mods);
    };
    send(Qt::Key_J, Qt::AltModifier, QStringLiteral("j"));
    send(Qt::Key_J, Qt::AltModifier | Qt::ShiftModifier, QStringLiteral("J"));
    send(Qt::Key_Return, Qt::AltModifier, QStringLiteral("\r"));
    send(Qt::Key_Space, Qt::AltModifier, QStringLiteral(" "));
    EXPECT_EQ(model().text(), "");
    // AltGr: Ctrl+Alt on some systems, a level shift without Alt on others.
    send(Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, QString::fromUtf8("€"));
    send(Qt::Key_Q, Qt::GroupSwitchModifier, QStringLiteral("@"));
    send(Qt::Key_J, Qt::NoModifier, QStringLiteral("j"));
    EXPECT_EQ(model().text(), "\x88@j");
}

TEST_F(MainForm, aDisabledMainWindowIgnoresItsToolbarAndKeys) {
    model().setText("x");
    model().selectAll();
    QDialog dialog;
    showWhileMainDisabled(dialog, *form);
    EXPECT_FALSE(form->isEnabled());
    QTest::mouseClick(&button("boldbtn"), Qt::LeftButton);
    key(Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(&dialog, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(model().text(), "x");

    dialog.close(); // the close box path
    EXPECT_TRUE(form->isEnabled());
    QTest::mouseClick(&button("boldbtn"), Qt::LeftButton);
    EXPECT_EQ(model().text(), "[b]x[/b]");
    // The main window is active again: its keys work at once.
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->memo().setFocus();
    key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(model().text(), "[b]x[/b][b][/b]");
}

TEST_F(MainForm, everyWayOfClosingADialogEnablesTheMainWindow) {
    QDialog dialog;
    const std::function<void()> closers[] = {[&] { dialog.close(); }, [&] { dialog.hide(); },
                                             [&] { dialog.reject(); },
                                             [&] { QTest::keyClick(&dialog, Qt::Key_Escape); }};
    for (const auto& closeIt : closers) {
        showWhileMainDisabled(dialog, *form);
        ASSERT_FALSE(form->isEnabled());
        closeIt();
        EXPECT_TRUE(form->isEnabled());
    }
}

TEST_F(MainForm, wordWrapFollowsItsCheckMark) {
    model().setText("text");
    action("N57").trigger();
    EXPECT_FALSE(action("N57").isChecked());
    EXPECT_EQ(form->memo().lineWrapMode(), QPlainTextEdit::NoWrap);
    action("N57").trigger();
    EXPECT_TRUE(action("N57").isChecked());
    EXPECT_EQ(form->memo().lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(model().text(), "text");
    EXPECT_FALSE(model().modified());
}

TEST_F(MainForm, editorFontRemindsThenTakesTheChosenFontOrNothing) {
    QString reminder;
    const auto answer = [&](bool accept, const QString& family) {
        testing::whenModalOpens([&, accept, family](QWidget& box) {
            reminder = qobject_cast<QMessageBox*>(&box)->text();
            qobject_cast<QMessageBox*>(&box)->accept();
            testing::whenModalOpens([accept, family](QWidget& modal) {
                auto* dialog = qobject_cast<QFontDialog*>(&modal);
                ASSERT_NE(dialog, nullptr);
                QFont font(family);
                font.setPointSize(14);
                dialog->setCurrentFont(font);
                accept ? dialog->accept() : dialog->reject();
            });
        });
    };
    const QFont before = form->memo().font();
    answer(false, QStringLiteral("DejaVu Serif"));
    action("N31").trigger();
    EXPECT_TRUE(reminder.startsWith(QString::fromUtf8("Напоминаю, что выбранный Вами шрифт")));
    EXPECT_TRUE(reminder.endsWith(QStringLiteral("[font=][/font] [b][/b] [i][/i] [u][/u]")));
    EXPECT_EQ(form->memo().font(), before);

    answer(true, QStringLiteral("DejaVu Serif"));
    action("N31").trigger();
    EXPECT_EQ(form->memo().font().pointSize(), 14);
    EXPECT_NE(form->memo().font(), before);
}

TEST_F(MainForm, rightClickFocusesTheEditorAndShowsItsMenu) {
    child<QWidget>(*form, "CoolBar1").setFocus();
    auto& popup = child<QMenu>(*form, "MemoPopup");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            form->memo().viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(form->memo().viewport(), &event);
    EXPECT_TRUE(form->memo().hasFocus());
    EXPECT_TRUE(popup.isVisible());
    popup.close();
}

TEST_F(MainForm, copyAllFromTheToolbarPutsThePostOnTheClipboard) {
    model().setText("line one\r\nline two");
    QTest::mouseClick(&button("ClipBtn"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("line one\nline two"));
}

} // namespace
} // namespace quolan

namespace quolan {
namespace {

TEST(Pictures, iconsAreSharpAtEveryPixelRatio) {
    const QIcon icon = programIcon();
    for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
        const QPixmap pixmap = icon.pixmap(QSize(16, 16), ratio);
        EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(16, 16)) << ratio;
        EXPECT_EQ(pixmap.width(), qRound(16 * ratio)) << ratio;
    }
}

} // namespace
} // namespace quolan

namespace quolan {
namespace {

TEST(MainFormOpening, theEditorHasTheKeyboardWhenTheWindowOpens) {
    WiredMainForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), &form.memo());
    QTest::keyClicks(QApplication::focusWidget(), "hi");
    EXPECT_EQ(form.editor().text(), "hi");
}

} // namespace
} // namespace quolan
