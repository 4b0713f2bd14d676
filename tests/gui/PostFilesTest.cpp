#include "core/ui/CommandIds.h"
#include "gui/editor/MemoEdit.h"
#include "support/FilesFixture.h"
#include "support/GuiTestSupport.h"
#include "support/ModalScript.h"

#include <QAction>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quolan {
namespace {

using testing::child;
using testing::chooseFile;
using testing::DialogSeen;
using testing::FilesFixture;
using testing::ModalScript;

void trigger(const TMainForm& form, const char* item) {
    child<QAction>(form, item).trigger();
}

auto clickIn(const char* box, const char* button, QString* text = nullptr) {
    return [box, button, text](QWidget& modal) {
        EXPECT_EQ(modal.objectName(), QString::fromLatin1(box));
        if (text)
            *text = static_cast<QMessageBox&>(modal).text();
        child<QPushButton>(modal, button).click();
    };
}

TEST(SaveDialog1, asksForANewPostsNameAndSavesItAsText) {
    FilesFixture f;
    testing::typeText(f.form->memo(), QString::fromUtf8("Привет, Brennow"));
    DialogSeen seen;
    ModalScript script({chooseFile(f.path("post"), &seen)});
    trigger(*f.form, "N69");

    EXPECT_EQ(seen.name, QStringLiteral("SaveDialog1"));
    EXPECT_EQ(seen.title, QString::fromUtf8("Сохранить запись"));
    EXPECT_EQ(seen.filters, QStringList{QString::fromUtf8("Текстовой документ (*.txt)")});
    EXPECT_EQ(seen.suffix, QStringLiteral("txt"));
    EXPECT_EQ(seen.mode, QFileDialog::AcceptSave);
    EXPECT_FALSE(seen.confirmsOverwrite); // Qt's own question is off: the dialog asks ours
    EXPECT_EQ(seen.prefilled, QString());

    // Windows-1251 bytes, no mark, no added line break; ".txt" added.
    EXPECT_EQ(f.content("post.txt"), "\xCF\xF0\xE8\xE2\xE5\xF2, Brennow");
    EXPECT_EQ(f.state(), "Saved");
    EXPECT_FALSE(f.form->editor().modified());
    EXPECT_TRUE(f.messages.empty());

    // Nothing is asked at the close now.
    f.form->close();
    EXPECT_EQ(f.closings, 1);
    EXPECT_EQ(script.unexpected(), 0);
}

TEST(SaveDialog1, asksBeforeReplacingAFileAndStaysOpenWhenTheFileIsKept) {
    FilesFixture f;
    f.put("post.txt", "the older post");
    f.type("the new post");
    QString question;
    bool dialogStayed = false;
    ModalScript script({
        chooseFile(f.path("post")), // ".txt" is added: that file exists
        clickIn("ReplaceFileQuestion", "KeepButton", &question),
        [&](QWidget& dialog) {
            dialogStayed = dialog.objectName() == QStringLiteral("SaveDialog1");
            chooseFile(f.path("post.txt"))(dialog);
        },
        clickIn("ReplaceFileQuestion", "ReplaceButton"),
    });
    trigger(*f.form, "N20");
    EXPECT_EQ(question, QString::fromUtf8("Такой файл уже есть. Заменить его?\n") +
                            QString::fromStdString(f.path("post.txt")));
    EXPECT_TRUE(dialogStayed);
    EXPECT_EQ(f.content("post.txt"), "the new post");
    EXPECT_EQ(f.state(), "Saved");
    EXPECT_EQ(script.handled(), 4);
    EXPECT_EQ(script.unexpected(), 0);
}

TEST(OpenDialog1, overUnsavedTextAsksOnceTheNameIsChosenAndSavesFirstWhenTold) {
    FilesFixture f;
    f.put("a.txt", "from the file");
    f.type("draft");
    QString question;
    ModalScript script({
        chooseFile(f.path("a.txt")), clickIn("ReplaceQuestion", "CancelButton", &question),
        chooseFile(f.path("a.txt")), clickIn("ReplaceQuestion", "SaveButton"),
        chooseFile(f.path("draft.txt")), // a new post: the save dialog asks its name
    });
    trigger(*f.form, "N23");
    EXPECT_EQ(question, QString::fromUtf8("Текст записи не сохранён. Открыть вместо него файл?\n") +
                            QString::fromStdString(f.path("a.txt")));
    EXPECT_EQ(f.form->editor().text(), "draft");
    EXPECT_TRUE(f.form->editor().modified());

    trigger(*f.form, "N23");
    EXPECT_EQ(f.content("draft.txt"), "draft");
    EXPECT_EQ(f.form->editor().text(), "from the file");
    EXPECT_EQ(f.state(), "Opened");
    EXPECT_EQ(script.handled(), 5);
    EXPECT_EQ(script.unexpected(), 0);
}

TEST(OpenDialog1, isPreFilledWithTheNameOpenedLast) {
    FilesFixture f;
    f.put("a.txt", "first");
    DialogSeen first;
    DialogSeen second;
    DialogSeen saveAs;
    ModalScript script(
        {chooseFile(f.path("a.txt"), &first), chooseFile("", &second), chooseFile("", &saveAs)});
    trigger(*f.form, "N23");
    trigger(*f.form, "N23");
    trigger(*f.form, "N20");

    EXPECT_EQ(first.name, QStringLiteral("OpenDialog1"));
    EXPECT_EQ(first.title, QString::fromUtf8("Открыть запись"));
    EXPECT_EQ(first.filters, QStringList{QString::fromUtf8("Текстовой документ (*.txt)")});
    EXPECT_EQ(first.suffix, QStringLiteral("txt"));
    EXPECT_EQ(first.mode, QFileDialog::AcceptOpen);
    EXPECT_EQ(first.fileMode, QFileDialog::AnyFile); // takes names of missing files
    EXPECT_EQ(first.prefilled, QString());
    EXPECT_EQ(second.prefilled, QStringLiteral("a.txt"));
    EXPECT_EQ(second.folder, f.dir.path());
    EXPECT_EQ(saveAs.prefilled, QString()); // the save dialog has a name of its own
    EXPECT_EQ(f.form->editor().text(), "first");
    EXPECT_EQ(f.state(), "Opened");
}

TEST(PostFiles, everyByteValueSurvivesOpenAndSaveInTheWindow) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        if (b != '\r' && b != '\n')
            all += static_cast<char>(b);
    all.insert(40, "\r\n");
    FilesFixture f;
    f.put("all.txt", all);
    // NUL bytes: asked before opening.
    ModalScript script({chooseFile(f.path("all.txt")), clickIn("NotTextQuestion", "Button2")});
    trigger(*f.form, "N23");
    ASSERT_EQ(f.form->editor().text(), all);
    testing::settle();
    trigger(*f.form, "N69"); // opened: written back in place, no dialog
    EXPECT_EQ(f.content("all.txt"), all);
    EXPECT_EQ(script.unexpected(), 0);
}

TEST(PostFiles, loneLineBreaksOpenAsCrLfAndAreSavedSo) {
    FilesFixture f;
    f.put("lf.txt", "one\ntwo\rthree");
    ModalScript script({chooseFile(f.path("lf.txt"))});
    trigger(*f.form, "N23");
    EXPECT_EQ(f.form->editor().text(), "one\r\ntwo\r\nthree");
    EXPECT_EQ(f.form->memo().blockCount(), 3);
    trigger(*f.form, "N69");
    EXPECT_EQ(f.content("lf.txt"), "one\r\ntwo\r\nthree");
}

TEST(PostFiles, failuresAreReportedWithTheSystemsReasonAndChangeNothing) {
    FilesFixture f;
    f.put("plain", "a file, not a folder");
    f.type("unsaved");
    // A file that cannot be read is reported before anything is asked.
    ModalScript script({chooseFile(f.path("missing.txt")), chooseFile(f.path("plain/post.txt"))});
    trigger(*f.form, "N23");
    trigger(*f.form, "N20");
    EXPECT_EQ(f.messages,
              (std::vector<std::string>{
                  "Cannot open file \"" + f.path("missing.txt") + "\". No such file or directory",
                  "Cannot create file \"" + f.path("plain/post.txt") + "\". Not a directory"}));
    EXPECT_EQ(f.form->editor().text(), "unsaved");
    EXPECT_TRUE(f.form->editor().modified());
    EXPECT_EQ(f.state(), "New");
    EXPECT_EQ(f.content("plain"), "a file, not a folder");
}

// --- The close query ---------------------------------------------------------

struct CloseCase {
    const char* name;
    std::function<void(FilesFixture&)> prepare;
    bool asks;
};

class CloseQuery : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseQuery, asksOnlyAboutModifiedTextThatIsNotEmptyAndAlwaysCloses) {
    FilesFixture f;
    GetParam().prepare(f);
    f.form->show();
    bool asked = false;
    ModalScript script({[&](QWidget& modal) {
        asked = &modal == &f.exitWindow;
        child<QPushButton>(f.exitWindow, "Button2").click();
    }});
    f.form->close();
    EXPECT_EQ(asked, GetParam().asks);
    EXPECT_EQ(script.unexpected(), 0);
    EXPECT_EQ(f.closings, 1);
    EXPECT_FALSE(f.form->isVisible());
    EXPECT_TRUE(f.exists("quolan.INI")); // the settings were written after it
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CloseQuery,
    ::testing::Values(CloseCase{"modifiedText", [](FilesFixture& f) { f.type("x"); }, true},
                      CloseCase{"modifiedButEmpty",
                                [](FilesFixture& f) {
                                    f.type("x");
                                    f.form->editor().edit(0, 1, "");
                                },
                                false},
                      CloseCase{"unmodifiedText",
                                [](FilesFixture& f) { f.form->editor().setText("kept"); }, false}),
    [](const ::testing::TestParamInfo<CloseCase>& p) { return p.param.name; });

TEST(ExitFrm2Save, writesWhereTheUserLastSavedAndNowhereElse) {
    FilesFixture f;
    f.put("a.txt", "kept aside");
    ModalScript script({chooseFile(f.path("a.txt")), chooseFile(f.path("b.txt")),
                        [&](QWidget&) { child<QPushButton>(f.exitWindow, "Button1").click(); }});
    trigger(*f.form, "N23");
    trigger(*f.form, "N20");
    f.type(" and more");
    f.form->close();

    EXPECT_EQ(f.content("a.txt"), "kept aside");
    EXPECT_EQ(f.content("b.txt"), "kept aside and more");
    EXPECT_FALSE(f.exists("b.txt.txt"));
    EXPECT_FALSE(f.exitWindow.isVisible());
    EXPECT_EQ(f.closings, 1);
    EXPECT_EQ(script.unexpected(), 0);
}

TEST(ExitFrm2Save, asksForANameForANewPostAndStaysOpenUntilWrittenOrLeft) {
    FilesFixture f;
    f.put("plain", "x");
    f.type("new post");
    bool openAfterCancel = false;
    bool openAfterFailure = false;
    ModalScript script({
        [&](QWidget&) { child<QPushButton>(f.exitWindow, "Button1").click(); },
        chooseFile(""), // cancelled: back to the confirmation
        [&](QWidget&) {
            openAfterCancel = f.exitWindow.isVisible();
            child<QPushButton>(f.exitWindow, "Button1").click();
        },
        chooseFile(f.path("plain/post.txt")), // cannot be written
        [&](QWidget&) {
            openAfterFailure = f.exitWindow.isVisible();
            child<QPushButton>(f.exitWindow, "Button1").click();
        },
        chooseFile(f.path("post.txt")),
    });
    f.form->close();
    EXPECT_TRUE(openAfterCancel);
    EXPECT_TRUE(openAfterFailure);
    EXPECT_EQ(f.content("post.txt"), "new post");
    EXPECT_EQ(f.messages.size(), 1U);
    EXPECT_EQ(f.closings, 1);
    EXPECT_EQ(script.handled(), 6);
    EXPECT_EQ(script.unexpected(), 0);
}

TEST(ExitFrm2Save, leavingWithoutSavingStillEndsTheProgram) {
    FilesFixture f;
    f.type("lost on purpose");
    ModalScript script({[&](QWidget&) { f.exitWindow.close(); }});
    f.form->close();
    EXPECT_EQ(f.closings, 1);
    EXPECT_EQ(f.content("post.txt"), "<missing>");
}

// --- The new-document confirmation -------------------------------------------

TEST(CreateNewFrmOverTheWindow, savesKeepingTheTextOrStartsAfresh) {
    FilesFixture f;
    f.form->show();
    f.type("draft");
    trigger(*f.form, "N22");
    ASSERT_TRUE(f.createWindow.isVisible());
    EXPECT_FALSE(f.form->isEnabled());

    {
        ModalScript script({chooseFile(f.path("draft.txt"))});
        child<QPushButton>(f.createWindow, "Button1").click();
    }
    EXPECT_EQ(f.content("draft.txt"), "draft");
    EXPECT_FALSE(f.createWindow.isVisible());
    EXPECT_TRUE(f.form->isEnabled());
    EXPECT_EQ(f.form->editor().text(), "draft");
    EXPECT_TRUE(f.form->editor().modified());
    EXPECT_EQ(f.state(), "Saved");

    trigger(*f.form, "N22"); // still modified: asked again
    ASSERT_TRUE(f.createWindow.isVisible());
    {
        ModalScript script({chooseFile("")});
        child<QPushButton>(f.createWindow, "Button1").click();
    }
    EXPECT_TRUE(f.createWindow.isVisible()); // a cancelled save keeps it open
    child<QPushButton>(f.createWindow, "Button2").click();
    EXPECT_FALSE(f.createWindow.isVisible());
    EXPECT_TRUE(f.form->isEnabled());
    EXPECT_EQ(f.form->editor().text(), "");
    EXPECT_EQ(f.state(), "New");
    EXPECT_EQ(f.document().saveName(), f.path("draft.txt"));

    trigger(*f.form, "N22"); // unmodified: nothing asked
    EXPECT_FALSE(f.createWindow.isVisible());
}

} // namespace
} // namespace quolan
