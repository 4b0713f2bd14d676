#include "core/settings/IniStore.h"
#include "core/settings/SettingsKeys.h"
#include "core/spell/TextCodes.h"
#include "gui/app/WiredMainForm.h"
#include "gui/editor/MemoEdit.h"
#include "gui/shell/MainFormFiles.h"
#include "gui/spell/MainFormSpelling.h"
#include "support/GuiTestSupport.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace quolan {
namespace {

using testing::child;

std::string post(std::string_view utf8) {
    return spell::utf8ToCp1251(utf8).value();
}

class SpellingWindow : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(MainFormSpelling::personalWordsPath());
        form =
            std::make_unique<WiredMainForm>(nullptr, folder.dir.filePath(QStringLiteral("q.INI")));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QTRY_VERIFY_WITH_TIMEOUT(form->spelling().highlighter() != nullptr, 20000);
    }
    void TearDown() override { QFile::remove(MainFormSpelling::personalWordsPath()); }

    void show(std::string_view utf8) {
        form->editor().loadText(post(utf8));
        QTRY_VERIFY(!form->spelling().highlighter()->pending());
    }
    // The underlined stretches of the first paragraph, as [start, length).
    std::vector<std::pair<int, int>> underlined() const {
        std::vector<std::pair<int, int>> out;
        for (const auto& range : form->memo().document()->firstBlock().layout()->formats())
            if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                out.emplace_back(range.start, range.length);
        return out;
    }
    QMenu& openMenuAt(int position) {
        QTextCursor cursor(form->memo().document());
        cursor.setPosition(position);
        const QPoint at = form->memo().cursorRect(cursor).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                                form->memo().viewport()->mapToGlobal(at));
        QApplication::sendEvent(form->memo().viewport(), &event);
        auto& menu = child<QMenu>(*form, "MemoPopup");
        EXPECT_TRUE(menu.isVisible());
        return menu;
    }
    QStringList visibleItems(QMenu& menu) const {
        QStringList names;
        for (QAction* item : menu.actions())
            if (item->isVisible())
                names << item->objectName();
        return names;
    }

    testing::TempFolder folder;
    std::unique_ptr<TMainForm> form;
};

TEST_F(SpellingWindow, underlinesMisspeltWordsAndOffersTheirCorrections) {
    show("карова the малоко [b]swrod[/b] :rolleyes:");
    const std::vector<std::pair<int, int>> expected{{0, 6}, {11, 6}, {21, 5}};
    EXPECT_EQ(underlined(), expected);

    // A correct word: the menu is the editor's own.
    QMenu* menu = &openMenuAt(8);
    EXPECT_EQ(visibleItems(*menu).value(0), QStringLiteral("N58"));
    menu->close();

    menu = &openMenuAt(2);
    const QStringList items = visibleItems(*menu);
    const int corrections = static_cast<int>(items.indexOf(QStringLiteral("SpellAdd1")));
    ASSERT_GT(corrections, 0);
    EXPECT_LE(corrections, 5);
    EXPECT_EQ(items.mid(corrections, 4),
              (QStringList{"SpellAdd1", "SpellIgnore1", "SpellSeparator1", "N58"}));
    QAction* cow = nullptr;
    for (QAction* item : menu->actions())
        if (item->isVisible() && item->text() == QString::fromUtf8("корова"))
            cow = item;
    ASSERT_TRUE(cow);
    cow->trigger();
    menu->close();
    EXPECT_EQ(form->editor().text(), post("корова the малоко [b]swrod[/b] :rolleyes:"));
    EXPECT_TRUE(form->editor().modified());
    EXPECT_TRUE(form->editor().canUndo());
    const std::vector<std::pair<int, int>> left{{11, 6}, {21, 5}};
    EXPECT_EQ(underlined(), left);

    // Ignored in this post; added to the player's own words, kept in the file.
    openMenuAt(23);
    child<QAction>(*form, "SpellIgnore1").trigger();
    openMenuAt(12);
    child<QAction>(*form, "SpellAdd1").trigger();
    child<QMenu>(*form, "MemoPopup").close();
    QTRY_VERIFY(underlined().empty());
    QFile words(MainFormSpelling::personalWordsPath());
    ASSERT_TRUE(words.open(QIODevice::ReadOnly));
    EXPECT_EQ(words.readAll(), QString::fromUtf8("малоко\n").toUtf8());

    // A new post ignores nothing; the own word is read again by a new window.
    show("swrod малоко");
    const std::vector<std::pair<int, int>> newPost{{0, 5}};
    EXPECT_EQ(underlined(), newPost);
    WiredMainForm second(nullptr, folder.dir.filePath(QStringLiteral("second.INI")));
    QTRY_VERIFY_WITH_TIMEOUT(second.spelling().highlighter() != nullptr, 20000);
    second.editor().loadText(post("малоко"));
    QTRY_VERIFY(!second.spelling().highlighter()->pending());
    EXPECT_TRUE(second.memo().document()->firstBlock().layout()->formats().isEmpty());
}

TEST_F(SpellingWindow, theViewItemTurnsItOffAndTheSettingsFileKeepsIt) {
    show("малоко\r\nтекст [code]swrod\r\nteh[/code] teh");
    auto& item = child<QAction>(*form, "Spelling1");
    EXPECT_TRUE(item.isEnabled() && item.isChecked());
    EXPECT_EQ(form->memo().document()->findBlockByNumber(2).layout()->formats().size(), 1);

    item.trigger();
    QTRY_VERIFY(!form->spelling().highlighter()->pending());
    EXPECT_FALSE(item.isChecked());
    EXPECT_TRUE(underlined().empty());
    EXPECT_EQ(
        form->files().settings().readInteger(setting::Spelling.section, setting::Spelling.key, 1),
        0);
    openMenuAt(2);
    EXPECT_EQ(visibleItems(child<QMenu>(*form, "MemoPopup")).value(0), QStringLiteral("N58"));
    child<QMenu>(*form, "MemoPopup").close();

    item.trigger();
    QTRY_VERIFY(!underlined().empty());
}

TEST_F(SpellingWindow, aKeyChecksItsParagraphAtOnceAndATagReachesTheParagraphsBelow) {
    show("teh\r\nswrod\r\nknight");
    QTextDocument& document = *form->memo().document();
    const auto marks = [&](int paragraph) {
        return document.findBlockByNumber(paragraph).layout()->formats().size();
    };
    EXPECT_EQ(marks(1), 1);

    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    form->memo().setTextCursor(cursor);
    QTest::keyClicks(&form->memo(), QStringLiteral(" qzxv"));
    EXPECT_EQ(marks(2), 1); // before any slice could run

    cursor.setPosition(0);
    form->memo().setTextCursor(cursor);
    QTest::keyClicks(&form->memo(), QStringLiteral("[code]"));
    EXPECT_EQ(marks(0), 0);
    QTRY_VERIFY(marks(1) == 0 && marks(2) == 0);
    EXPECT_FALSE(form->spelling().highlighter()->pending());

    form->editor().edit(0, 1, {}); // "code]" is no tag
    QTRY_VERIFY(marks(1) == 1 && marks(2) == 1);
    EXPECT_EQ(marks(0), 1);

    // Many paragraphs pasted over all: the first paragraph, kept by the
    // document, is checked anew as well.
    show("knight");
    std::string many = "swrod";
    for (int i = 0; i < 40; ++i)
        many += "\r\nknight";
    form->editor().selectAll();
    form->editor().replaceSelection(many);
    QTRY_VERIFY(!form->spelling().highlighter()->pending());
    EXPECT_EQ(marks(0), 1);
}

TEST(SpellingWithoutDictionaries, disablesTheItemAndNamesThePackages) {
    testing::TempFolder empty;
    const std::filesystem::path folders[] = {empty.dir.path().toStdString()};
    WiredMainForm form(nullptr, {}, {}, folders);
    auto& item = child<QAction>(form, "Spelling1");
    EXPECT_FALSE(item.isEnabled());
    EXPECT_FALSE(item.isChecked());
    EXPECT_TRUE(item.toolTip().contains(QStringLiteral("hunspell-ru")));
    EXPECT_TRUE(item.statusTip().contains(QStringLiteral("hunspell-en-us")));
    EXPECT_EQ(form.spelling().highlighter(), nullptr);
}

} // namespace
} // namespace quolan
