#include "gui/app/WiredMainForm.h"
#include "gui/shell/MainFormFiles.h"
#include "support/GuiTestSupport.h"
#include "support/ModalScript.h"
#include "support/TempFolder.h"

#include <QAction>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace quolan {
namespace {

using testing::child;
using testing::ModalScript;

// A file named like markup, in a window that shows its own message boxes.
struct MarkupNames : testing::TempFolder {
    MarkupNames() {
        put(kName, "from the file");
        put("b.txt", "second");
        form.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    }
    static constexpr const char* kName = "<b>post.txt";
    WiredMainForm form{nullptr, dir.filePath(QStringLiteral("quolan.INI"))};
};

// Checks a box's text format and closes it with `button`, or rejects it.
auto plainBox(const char* name, std::vector<QString>& seen, const char* button = nullptr) {
    return [name, &seen, button](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_TRUE(box) << name;
        EXPECT_EQ(box->objectName(), QString::fromLatin1(name));
        if (box->textFormat() == Qt::PlainText)
            seen.push_back(box->objectName());
        if (button)
            child<QPushButton>(*box, button).click();
        else
            box->reject();
    };
}

auto typeName(const std::string& path) {
    return [path](QWidget& modal) {
        auto& dialog = dynamic_cast<QFileDialog&>(modal);
        child<QLineEdit>(dialog, "fileNameEdit").setText(QString::fromStdString(path));
        static_cast<QDialog&>(dialog).accept();
    };
}

TEST(MessageBoxes, showTheirTextAsItIsWhateverMarkupAFileNameHolds) {
    MarkupNames w;
    std::vector<QString> plain;
    ModalScript script({
        typeName(w.path("<i>missing.txt")),
        plainBox("ErrorMessage", plain),
        typeName(w.path(MarkupNames::kName)),
        typeName(w.path(MarkupNames::kName)),
        plainBox("ReplaceFileQuestion", plain, "KeepButton"),
        [](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); },
        plainBox("OnlyFirstOpened", plain),
        typeName(w.path("b.txt")),
        plainBox("ReplaceQuestion", plain, "CancelButton"),
        plainBox("FontReminder", plain),
        [](QWidget& fonts) { static_cast<QDialog&>(fonts).reject(); },
    });
    child<QAction>(w.form, "N23").trigger(); // a missing file: the error box
    child<QAction>(w.form, "N23").trigger(); // opened
    child<QAction>(w.form, "N20").trigger(); // over an existing file
    w.form.files().openGivenFiles({QString::fromStdString(w.path(MarkupNames::kName)),
                                   QString::fromStdString(w.path("b.txt"))});
    w.form.editor().edit(0, 0, "unsaved ");
    child<QAction>(w.form, "N23").trigger(); // over unsaved text
    child<QAction>(w.form, "N31").trigger(); // the font reminder
    EXPECT_EQ(plain, (std::vector<QString>{
                         QStringLiteral("ErrorMessage"), QStringLiteral("ReplaceFileQuestion"),
                         QStringLiteral("OnlyFirstOpened"), QStringLiteral("ReplaceQuestion"),
                         QStringLiteral("FontReminder")}));
    EXPECT_EQ(script.handled(), 11);
    EXPECT_EQ(script.unexpected(), 0);
}

} // namespace
} // namespace quolan
