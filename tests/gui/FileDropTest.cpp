#include "gui/editor/MemoEdit.h"
#include "gui/shell/FileDrops.h"
#include "support/FilesFixture.h"
#include "support/GuiTestSupport.h"
#include "support/ModalScript.h"

#include <QDir>
#include <QDropEvent>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <gtest/gtest.h>

namespace quolan {
namespace {

using testing::child;
using testing::FilesFixture;
using testing::ModalScript;

QUrl fileUrl(const FilesFixture& f, const char* name) {
    return QUrl::fromLocalFile(QString::fromStdString(f.path(name)));
}

// Drags `data` over the editor and drops it, as a file manager would; true
// when the editor took the drag.
bool drop(FilesFixture& f, QMimeData& data) {
    QWidget& target = *f.form->memo().viewport();
    const QPointF at(10, 10);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &dropped);
    testing::settle();
    return true;
}

auto clickIn(const char* box, const char* button) {
    return [box, button](QWidget& modal) {
        EXPECT_EQ(modal.objectName(), QString::fromLatin1(box));
        child<QPushButton>(modal, button).click();
    };
}

TEST(FileDrops, onlyLocalFilesAreTakenFromTheDrag) {
    QMimeData data;
    data.setUrls({QUrl(QStringLiteral("https://brennow.example/forum")),
                  QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt"))});
    data.setText(QStringLiteral("/tmp/a.txt"));
    EXPECT_EQ(droppedLocalFiles(data), QStringList{QStringLiteral("/tmp/a.txt")});
    QMimeData text;
    text.setText(QStringLiteral("[b]hello[/b]"));
    EXPECT_TRUE(droppedLocalFiles(text).isEmpty());
}

TEST(FileDrops, aDroppedFileOpensAsTheOpenCommandOpensIt) {
    FilesFixture f;
    f.put("a.txt", "first\nline");
    QMimeData data;
    data.setUrls({fileUrl(f, "a.txt")});
    ModalScript script;
    ASSERT_TRUE(drop(f, data));
    EXPECT_EQ(f.form->editor().text(), "first\r\nline");
    EXPECT_EQ(f.state(), "Opened");
    EXPECT_EQ(f.document().openName(), f.path("a.txt"));
    EXPECT_FALSE(f.form->editor().modified());
    EXPECT_EQ(script.unexpected(), 0);
}

TEST(FileDrops, severalFilesOpenTheFirstAndSaySo) {
    FilesFixture f;
    f.put("a.txt", "first");
    f.put("b.txt", "second");
    QMimeData data;
    data.setUrls({fileUrl(f, "a.txt"), fileUrl(f, "b.txt")});
    ModalScript script({[](QWidget& modal) {
        EXPECT_EQ(modal.objectName(), QStringLiteral("OnlyFirstOpened"));
        static_cast<QMessageBox&>(modal).accept();
    }});
    ASSERT_TRUE(drop(f, data));
    EXPECT_EQ(f.form->editor().text(), "first");
    EXPECT_EQ(script.handled(), 1);
    EXPECT_EQ(script.unexpected(), 0);
}

TEST(FileDrops, unsavedTextIsReplacedOnlyWhenTheUserSaysSo) {
    FilesFixture f;
    f.put("a.txt", "from the file");
    f.type("draft");
    QMimeData data;
    data.setUrls({fileUrl(f, "a.txt")});
    ModalScript script(
        {clickIn("ReplaceQuestion", "CancelButton"), clickIn("ReplaceQuestion", "OpenButton")});
    ASSERT_TRUE(drop(f, data));
    EXPECT_EQ(f.form->editor().text(), "draft");
    EXPECT_TRUE(f.form->editor().modified());

    ASSERT_TRUE(drop(f, data));
    EXPECT_EQ(f.form->editor().text(), "from the file");
    EXPECT_EQ(f.state(), "Opened");
    EXPECT_EQ(script.handled(), 2);
    EXPECT_EQ(script.unexpected(), 0);
}

TEST(FileDrops, aMissingFileIsReportedAndTheTextStays) {
    FilesFixture f;
    f.type("draft");
    f.form->editor().setModified(false);
    QMimeData data;
    data.setUrls({fileUrl(f, "gone.txt")});
    ASSERT_TRUE(drop(f, data));
    ASSERT_EQ(f.messages.size(), 1U);
    EXPECT_TRUE(f.messages[0].starts_with("Cannot open file \"" + f.path("gone.txt") + "\". "))
        << f.messages[0];
    EXPECT_EQ(f.form->editor().text(), "draft");
    EXPECT_EQ(f.state(), "New");
}

TEST(FileDrops, droppedTextIsStillInserted) {
    FilesFixture f;
    QMimeData data;
    data.setText(QStringLiteral("[b]hello[/b]"));
    ASSERT_TRUE(drop(f, data));
    EXPECT_EQ(f.form->editor().text(), "[b]hello[/b]");
    EXPECT_TRUE(f.form->editor().modified());
    EXPECT_TRUE(f.messages.empty());
}

TEST(GivenFiles, aRelativeNameOpensWithItsFullPathAsTheOpenName) {
    FilesFixture f;
    f.put("a.txt", "post");
    const QString before = QDir::currentPath();
    QDir::setCurrent(f.dir.path());
    f.form->files().openGivenFiles({QStringLiteral("a.txt")});
    QDir::setCurrent(before);
    EXPECT_EQ(f.form->editor().text(), "post");
    EXPECT_EQ(f.document().openName(), f.path("a.txt"));
    EXPECT_EQ(f.state(), "Opened");
}

} // namespace
} // namespace quolan
