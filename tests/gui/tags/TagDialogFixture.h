#pragma once

#include "core/app/StartupSequence.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/Windows.h"
#include "gui/editor/MemoEdit.h"
#include "gui/main/TMainForm.h"
#include "gui/support/GuiTestSupport.h"
#include "gui/support/SilentProgress.h"
#include "gui/tags/FieldDialogs.h"
#include "gui/tags/TColorFrm.h"
#include "gui/tags/TFontFrm.h"
#include "gui/tags/TSizeFrm.h"
#include "gui/ui/QtText.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace quolan::testing {

// The program's windows, created as at start-up, the main window shown.
class TagDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        windows_ = std::make_unique<ProgramWindows>();
        windows_->create(progress_);
        ASSERT_NE(MainForm, nullptr);
        MainForm->setErrorSink([this](std::string_view m) { errors.emplace_back(m); });
        MainForm->show();
        QGuiApplication::clipboard()->clear();
        settle();
    }

    void TearDown() override {
        windows_.reset();
        EXPECT_EQ(MainForm, nullptr);
        EXPECT_EQ(UrlCreate, nullptr);
        EXPECT_EQ(SAfrm, nullptr);
    }

    static EditorModel& editor() { return MainForm->editor(); }
    static std::string text() { return editor().text(); }

    // "<<" + selection + ">>" with the selection selected.
    static void selectBetweenMarks(const std::string& selection) {
        editor().setText("<<" + selection + ">>");
        editor().setSelection(2, selection.size());
    }

    static TagDialog& dialogOf(std::string_view command) {
        MainForm->runCommand(command);
        settle();
        for (TagDialog* dialog :
             {static_cast<TagDialog*>(UrlCreate), static_cast<TagDialog*>(ImageFrm),
              static_cast<TagDialog*>(EmailFrm), static_cast<TagDialog*>(SizeFrm),
              static_cast<TagDialog*>(FontFrm), static_cast<TagDialog*>(FocusFrm),
              static_cast<TagDialog*>(SAfrm), static_cast<TagDialog*>(ColorFrm)})
            if (dialog->isVisible())
                return *dialog;
        throw std::runtime_error("no dialog opened for " + std::string(command));
    }

    static QToolButton& okButton(const TagDialog& dialog) {
        for (QToolButton* button : dialog.findChildren<QToolButton*>())
            if (button->parentWidget() == &dialog)
                return *button;
        throw std::runtime_error("dialog without an OK button");
    }

    static void clickOk(const TagDialog& dialog) {
        QTest::mouseClick(&okButton(dialog), Qt::LeftButton);
        settle();
    }

    // Picks a name in an open-or-closed list the way the user does: drop it
    // open, move to the row, press Enter.
    static void pick(QComboBox& box, const QString& name) {
        if (!box.view()->isVisible())
            box.showPopup();
        const int row = box.findText(name, Qt::MatchExactly);
        ASSERT_GE(row, 0) << name.toStdString();
        box.view()->setCurrentIndex(box.model()->index(row, 0));
        QTest::keyClick(box.view(), Qt::Key_Return);
        settle();
    }

    // Puts the parameter into the dialog's field as the user would enter it.
    static void enterParameter(TagDialog& dialog, const QString& parameter) {
        if (auto* field = dynamic_cast<FieldDialog*>(&dialog)) {
            field->edit().clear();
            typeText(field->edit(), parameter);
        } else if (auto* size = dynamic_cast<TSizeFrm*>(&dialog)) {
            const int wanted = parameter.toInt();
            while (size->upDown().position() != wanted)
                QTest::keyClick(&size->edit(),
                                size->upDown().position() < wanted ? Qt::Key_Up : Qt::Key_Down);
        } else if (auto* font = dynamic_cast<TFontFrm*>(&dialog)) {
            font->comboBox().hidePopup();
            font->comboBox().clearEditText();
            typeText(font->comboBox(), parameter);
        } else if (auto* colour = dynamic_cast<TColorFrm*>(&dialog)) {
            pick(colour->comboBox(), parameter);
        }
        settle();
    }

    std::vector<std::string> errors;

private:
    testing::SilentProgress progress_;
    std::unique_ptr<ProgramWindows> windows_;
};

} // namespace quolan::testing
