#include "support/FilesFixture.h"
#include "support/GuiTestSupport.h"
#include "support/ModalScript.h"

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quolan {
namespace {

using testing::child;
using testing::chooseFile;
using testing::FilesFixture;
using testing::ModalScript;

// Answers a question box with `button`, after checking that Enter and Escape
// both take "Button1", the answer that changes nothing.
auto answer(const char* box, const char* button) {
    return [box, button](QWidget& modal) {
        EXPECT_EQ(modal.objectName(), QString::fromLatin1(box));
        auto& question = static_cast<QMessageBox&>(modal);
        EXPECT_EQ(question.defaultButton()->objectName(), QStringLiteral("Button1"));
        EXPECT_EQ(question.escapeButton()->objectName(), QStringLiteral("Button1"));
        child<QPushButton>(modal, button).click();
    };
}

void trigger(const TMainForm& form, const char* item) {
    child<QAction>(form, item).trigger();
}

QString label(const FilesFixture& f) {
    return child<QLabel>(*f.form, "PostFile").text();
}

TEST(PostEncoding, aUtf8PostIsAskedAboutOnceAndKeepsItsEncodingAndMarkByDefault) {
    FilesFixture f;
    f.put("u.txt", "\xEF\xBB\xBF\xD0\x9F\xD1\x80\xD0\xB8 \xF0\x9F\x98\x80");
    EXPECT_EQ(label(f), QStringLiteral("Новая запись"));
    f.form->files().openGivenFiles({QString::fromStdString(f.path("u.txt"))});
    EXPECT_EQ(f.form->editor().text(), "\xCF\xF0\xE8 &#128512;");
    EXPECT_EQ(label(f), QStringLiteral("u.txt  UTF-8 BOM"));
    EXPECT_EQ(child<QLabel>(*f.form, "PostFile").toolTip().toStdString(), f.path("u.txt"));
    f.type("!");
    EXPECT_EQ(label(f), QStringLiteral("u.txt *  UTF-8 BOM"));

    ModalScript script({answer("EncodingQuestion", "Button1")});
    trigger(*f.form, "N69");
    EXPECT_EQ(f.content("u.txt"), "\xEF\xBB\xBF\xD0\x9F\xD1\x80\xD0\xB8 \xF0\x9F\x98\x80!");
    EXPECT_EQ(label(f), QStringLiteral("u.txt  UTF-8 BOM"));
    f.type("?");
    trigger(*f.form, "N69");
    EXPECT_EQ(f.content("u.txt"), "\xEF\xBB\xBF\xD0\x9F\xD1\x80\xD0\xB8 \xF0\x9F\x98\x80!?");
    EXPECT_EQ(script.handled(), 1);
    EXPECT_EQ(script.unexpected(), 0);
}

TEST(PostEncoding, saveAsOfAUtf16PostWritesTheCodePageWhenTheUserSaysSo) {
    FilesFixture f;
    f.put("w.txt", std::string("\xFF\xFE\x1F\x04\x21\x00", 6));
    f.form->files().openGivenFiles({QString::fromStdString(f.path("w.txt"))});
    EXPECT_EQ(label(f), QStringLiteral("w.txt  UTF-16LE"));
    ModalScript script({chooseFile(f.path("b.txt")), answer("EncodingQuestion", "Button2")});
    trigger(*f.form, "N20");
    EXPECT_EQ(f.content("b.txt"), "\xCF!");
    EXPECT_EQ(label(f), QStringLiteral("b.txt"));
    EXPECT_EQ(script.unexpected(), 0);
}

TEST(PostEncoding, aFileThatIsNoTextOpensOnlyWhenTheUserSaysSo) {
    FilesFixture f;
    f.put("a.out", std::string("\x7F"
                               "ELF\x02\x01\x01\0\0\0",
                               10));
    f.type("draft");
    f.form->editor().setModified(false);
    ModalScript script({chooseFile(f.path("a.out")), answer("NotTextQuestion", "Button1"),
                        answer("NotTextQuestion", "Button2")});
    trigger(*f.form, "N23");
    EXPECT_EQ(f.form->editor().text(), "draft");
    EXPECT_EQ(f.state(), "New");

    f.form->files().openGivenFiles({QString::fromStdString(f.path("a.out"))});
    EXPECT_EQ(f.form->editor().length(), 10U);
    EXPECT_EQ(f.state(), "Opened");
    EXPECT_EQ(script.handled(), 3);
    EXPECT_EQ(script.unexpected(), 0);
}

} // namespace
} // namespace quolan
