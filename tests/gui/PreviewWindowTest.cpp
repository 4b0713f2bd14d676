#include "core/support/FakeLinks.h"
#include "core/ui/CommandIds.h"
#include "gui/app/WiredMainForm.h"
#include "gui/editor/MemoEdit.h"
#include "gui/preview/TPreviewFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

namespace quolan {
namespace {

using testing::child;
using testing::settle;

class PreviewWindow : public ::testing::Test {
protected:
    PreviewWindow() {
        main.show();
        settle();
    }

    TPreviewFrm& open() {
        main.runCommand(cmd::Preview);
        TPreviewFrm* preview = main.previewWindow();
        if (!preview)
            throw std::runtime_error("no preview window");
        waitForRender(*preview);
        return *preview;
    }

    static void waitForRender(const TPreviewFrm& preview) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !preview.rendering(); }, 20000));
    }

    QString shown(TPreviewFrm& preview) {
        return child<QTextBrowser>(preview, "PreviewBrowser").toPlainText();
    }

    WiredMainForm main;
};

TEST_F(PreviewWindow, opensFromTheViewMenuWithF5BesideAnEnabledMainWindow) {
    EXPECT_EQ(child<QAction>(main, "Preview1").shortcut(), QKeySequence(Qt::Key_F5));
    main.memo().setFocus();
    QTest::keyClick(&main.memo(), Qt::Key_F5);
    settle();
    ASSERT_NE(main.previewWindow(), nullptr);
    EXPECT_TRUE(main.previewWindow()->isVisible());
    EXPECT_TRUE(main.isEnabled());
}

TEST_F(PreviewWindow, followsTypingAfterThePauseAndNotWhileHidden) {
    TPreviewFrm& preview = open();
    auto& pause = child<QTimer>(preview, "PreviewTimer");
    main.memo().setFocus();
    testing::typeText(main.memo(), QStringLiteral("[b]hi :)"));
    EXPECT_TRUE(pause.isActive());
    EXPECT_FALSE(shown(preview).contains(QStringLiteral("hi")));
    QTRY_VERIFY_WITH_TIMEOUT(shown(preview).contains(QStringLiteral("[b]hi")), 3000);
    // The smiley is drawn with the palette's picture.
    const QVariant picture =
        child<QTextBrowser>(preview, "PreviewBrowser")
            .document()
            ->resource(QTextDocument::ImageResource, QUrl(QStringLiteral("smiley:SpeedButton7")));
    EXPECT_FALSE(picture.value<QPixmap>().isNull());

    preview.hide();
    testing::typeText(main.memo(), QStringLiteral("[/b]"));
    EXPECT_FALSE(pause.isActive());
    EXPECT_TRUE(preview.stale());
    main.runCommand(cmd::Preview); // shown again, it shows the post as it is now
    waitForRender(preview);
    EXPECT_FALSE(shown(preview).contains(QStringLiteral("[b]")));
    EXPECT_TRUE(shown(preview).contains(QStringLiteral("hi")));
}

TEST_F(PreviewWindow, aCheckerEntrySelectsItsTagInTheEditor) {
    main.editor().loadText("ok\r\nthen [i]x[/b]");
    TPreviewFrm& preview = open();
    auto& list = child<QListWidget>(preview, "TagFindings");
    ASSERT_EQ(list.count(), 2);
    EXPECT_TRUE(list.item(1)->text().contains(QStringLiteral("[/b]")));
    QListWidgetItem* unopened = list.item(1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(unopened).center());
    settle();
    EXPECT_EQ(main.editor().selectionStart(), 13u);
    EXPECT_EQ(main.editor().selectionLength(), 4u);
    EXPECT_EQ(main.memo().textCursor().selectedText(), QStringLiteral("[/b]"));
    EXPECT_TRUE(child<QLabel>(preview, "PreviewCounts").text().contains(QStringLiteral("17")));
}

TEST_F(PreviewWindow, opensBesideTheMainWindowOnTheScreenAndStaysAboveIt) {
    const QRect screen = main.screen()->availableGeometry();
    main.setGeometry(screen.x() + 10, screen.y() + 10, 200, 150);
    settle();
    TPreviewFrm& preview = open();
    EXPECT_TRUE(screen.contains(preview.frameGeometry()));
    EXPECT_FALSE(preview.frameGeometry().intersects(main.frameGeometry()));
    // Owned by the main window, so that the window manager keeps it above.
    EXPECT_EQ(preview.windowType(), Qt::Tool);
    ASSERT_NE(preview.windowHandle(), nullptr);
    EXPECT_EQ(preview.windowHandle()->transientParent(), main.windowHandle());
}

// A post over the live limit: its beginning is shown, with the note saying
// so, and its tags are checked to the end; the command returns at once,
// before the post is rendered.
TEST_F(PreviewWindow, aLongPostShowsItsBeginningAndChecksItAllAwayFromTheWindowsThread) {
    TPreviewFrm& preview = open();
    const auto& note = child<QLabel>(preview, "PreviewNote");
    EXPECT_FALSE(note.isVisible()) << "a short post has nothing to be told";

    std::string post = "first line\r\n";
    while (post.size() < 4 * TPreviewFrm::kLiveLimit)
        post += "[i]a line of the post[/i]\r\n";
    post += "last words [b]";
    main.editor().loadText(post);
    EXPECT_TRUE(note.isVisible());
    preview.refresh();
    EXPECT_TRUE(preview.rendering());
    waitForRender(preview);
    EXPECT_TRUE(shown(preview).startsWith(QStringLiteral("first line")));
    EXPECT_FALSE(shown(preview).contains(QStringLiteral("last words")));
    const auto& list = child<QListWidget>(preview, "TagFindings");
    ASSERT_EQ(list.count(), 1);
    EXPECT_TRUE(list.item(0)->text().contains(QStringLiteral("[b]")));

    main.editor().loadText("short again");
    EXPECT_FALSE(note.isVisible());
}

TEST(PreviewLinks, handsOnlyWebAddressesToTheBrowser) {
    EditorModel editor;
    testing::FakeLinks links;
    TPreviewFrm preview(editor, {}, links);
    auto& browser = child<QTextBrowser>(preview, "PreviewBrowser");
    for (const char* address :
         {"ftp://a.org/f", "mailto:a@b.c", "file:///etc/passwd", "x:y", "https://a.org/f"})
        emit browser.anchorClicked(QUrl(QString::fromLatin1(address)));
    EXPECT_EQ(links.opened, std::vector<std::string>{"https://a.org/f"});
}

} // namespace
} // namespace quolan
