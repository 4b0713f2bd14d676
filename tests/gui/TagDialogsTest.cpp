#include "core/ui/CommandIds.h"
#include "gui/tags/TagDialogFixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

namespace quolan::testing {
namespace {

struct TableRow {
    std::string_view command;
    const char* parameter;
    std::string selection;
    std::string expected; // replaces the selection; empty: nothing changes
};

// The tag table, row by row, through the real windows.
const TableRow kTable[] = {
    {cmd::DialogUrl, "addr", "click here", "[url=addr]click here[/url]"},
    {cmd::DialogUrl, "addr", "", "[url=addr][/url]"},
    {cmd::DialogUrl, "", "click here", ""},
    {cmd::DialogImage, "http://x/p.png", "gone", "[img]http://x/p.png[/img]"},
    {cmd::DialogImage, "p.png", "", "[img]p.png[/img]"},
    {cmd::DialogImage, "", "kept", ""},
    {cmd::DialogEmail, "a@b.c", "gone", "[email]a@b.c[/email]"},
    {cmd::DialogEmail, "", "gone", "[email][/email]"},
    {cmd::DialogSize, "3", "big", "[size=3]big[/size]"},
    {cmd::DialogSize, "1", "", "[size=1][/size]"},
    {cmd::DialogSize, "0", "tiny", "[size=0]tiny[/size]"},
    {cmd::DialogFont, "Arial", "sans", "[font=Arial]sans[/font]"},
    {cmd::DialogFont, "", "sans", "[font=]sans[/font]"},
    {cmd::DialogFocus, "Hero", "attacks", "[focus=Hero]attacks[/focus]"},
    {cmd::DialogFocus, "", "attacks", "[focus]attacks[/focus]"},
    {cmd::DialogSpecialAction, "Hero", "attacks", "[sa=Hero]attacks[/sa]"},
    {cmd::DialogSpecialAction, "", "attacks", "[sa]attacks[/sa]"},
    {cmd::DialogColor, "teal", "", "[color=teal][/color]"},
    {cmd::DialogColor, "black", "night", "[color=black]night[/color]"},
    // Parameters are inserted as typed.
    {cmd::DialogUrl, "a]b\"c [d", "x", "[url=a]b\"c [d]x[/url]"},
    {cmd::DialogFocus, "\"Hero\" [b]", "x", "[focus=\"Hero\" [b]]x[/focus]"},
    {cmd::DialogFont, "Times]\"", "x", "[font=Times]\"]x[/font]"},
    {cmd::DialogEmail, "<me@x>", "x", "[email]<me@x>[/email]"},
};

void PrintTo(const TableRow& row, std::ostream* out) {
    *out << row.command << " P=\"" << row.parameter << "\" S=\"" << row.selection << '"';
}

class TagTableTest : public TagDialogTest, public ::testing::WithParamInterface<TableRow> {};

TEST_P(TagTableTest, okReplacesTheSelectionAsTheTableSaysAndCloses) {
    const TableRow& row = GetParam();
    selectBetweenMarks(row.selection);
    TagDialog& dialog = dialogOf(row.command);
    EXPECT_FALSE(MainForm->isEnabled());
    enterParameter(dialog, QString::fromUtf8(row.parameter));

    clickOk(dialog);

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(MainForm->isEnabled());
    if (row.expected.empty()) {
        EXPECT_EQ(text(), "<<" + row.selection + ">>");
        EXPECT_FALSE(editor().modified());
    } else {
        EXPECT_EQ(text(), "<<" + row.expected + ">>");
        EXPECT_EQ(editor().selectionStart(), 2 + row.expected.size());
        EXPECT_EQ(editor().selectionLength(), 0u);
        // The editor widget shows what the model holds.
        EXPECT_EQ(MainForm->memo().toPlainText(), displayText(text()));
    }
    EXPECT_TRUE(errors.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, TagTableTest, ::testing::ValuesIn(kTable));

struct EntryPoint {
    std::string_view command;
    const char* toolbarButton; // may be null
    const char* tagsItem;
    const char* popupItem;
    const char* window;
};

const EntryPoint kEntryPoints[] = {
    {cmd::DialogUrl, "URLBtn", "N5", "URL1", "UrlCreate"},
    {cmd::DialogImage, "IMGBtn", "N13", "IMAGE1", "ImageFrm"},
    {cmd::DialogEmail, nullptr, "N6", "EMAIL1", "EmailFrm"},
    {cmd::DialogSize, nullptr, "N10", "SIZE1", "SizeFrm"},
    {cmd::DialogFont, "SpeedButton1", "N11", "FONT1", "FontFrm"},
    {cmd::DialogFocus, "FocusBtn", "N15", "FOCUS1", "FocusFrm"},
    {cmd::DialogSpecialAction, "SABtn", "N16", "SA1", "SAfrm"},
    {cmd::DialogColor, "ColorBtn", "N9", "COLOR1", "ColorFrm"},
};

void PrintTo(const EntryPoint& entry, std::ostream* out) {
    *out << entry.window;
}

class EntryPointTest : public TagDialogTest, public ::testing::WithParamInterface<EntryPoint> {
protected:
    TagDialog& window() const {
        auto* found = qApp->findChild<TagDialog*>(QString::fromLatin1(GetParam().window));
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String(GetParam().window))
                found = qobject_cast<TagDialog*>(top);
        if (!found)
            throw std::runtime_error("window not created");
        return *found;
    }

    void expectOpenedAndClose() {
        TagDialog& dialog = window();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(MainForm->isEnabled());
        dialog.close();
        settle();
        EXPECT_TRUE(MainForm->isEnabled());
    }
};

TEST_P(EntryPointTest, toolbarTagsMenuAndContextMenuOpenTheSameWindow) {
    const EntryPoint& entry = GetParam();
    if (entry.toolbarButton) {
        QTest::mouseClick(&child<QToolButton>(*MainForm, entry.toolbarButton), Qt::LeftButton);
        settle();
        expectOpenedAndClose();
    }
    child<QAction>(*MainForm, entry.tagsItem).trigger();
    settle();
    expectOpenedAndClose();
    child<QAction>(MainForm->popupMenu("MemoPopup"), entry.popupItem).trigger();
    settle();
    expectOpenedAndClose();
}

TEST_P(EntryPointTest, theParameterFieldHasTheFocusAndEnterPressesOk) {
    editor().setText("xy");
    editor().setSelection(0, 2);
    TagDialog& dialog = dialogOf(GetParam().command);
    QWidget& field = dialog.parameterField();
    EXPECT_EQ(dialog.focusWidget(), &field);
    EXPECT_EQ(okButton(dialog).focusPolicy(), Qt::NoFocus);
    if (auto* box = qobject_cast<QComboBox*>(&field))
        box->hidePopup();
    if (auto* edit = qobject_cast<QLineEdit*>(&field); edit && !edit->isReadOnly())
        typeText(*edit, QStringLiteral("p"));

    QTest::keyClick(&field, Qt::Key_Return);
    settle();

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(MainForm->isEnabled());
    EXPECT_NE(text(), "xy"); // every dialog inserts something for these parameters
    EXPECT_EQ(text().find("xy") == std::string::npos,
              GetParam().command == cmd::DialogImage || GetParam().command == cmd::DialogEmail);
}

TEST_P(EntryPointTest, theCloseBoxInsertsNothingAndEnablesTheMainWindow) {
    selectBetweenMarks("sel");
    TagDialog& dialog = dialogOf(GetParam().command);
    enterParameter(dialog, GetParam().command == cmd::DialogColor ? QStringLiteral("teal")
                                                                  : QStringLiteral("4"));
    dialog.close();
    settle();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(MainForm->isEnabled());
    EXPECT_EQ(text(), "<<sel>>");
    EXPECT_EQ(editor().selectionLength(), 3u);
    // The main window works again.
    QTest::mouseClick(&child<QToolButton>(*MainForm, "boldbtn"), Qt::LeftButton);
    EXPECT_EQ(text(), "<<[b]sel[/b]>>");
}

TEST_P(EntryPointTest, whileShownTheMainWindowIgnoresItsToolbarAndKeys) {
    selectBetweenMarks("sel");
    TagDialog& dialog = dialogOf(GetParam().command);
    QTest::mouseClick(&child<QToolButton>(*MainForm, "boldbtn"), Qt::LeftButton);
    QTest::keyClick(MainForm, Qt::Key_B, Qt::ControlModifier);
    QTest::keyClick(&MainForm->memo(), Qt::Key_Q);
    settle();
    EXPECT_EQ(text(), "<<sel>>");
    EXPECT_TRUE(dialog.isVisible());
    // Opening it again while it is shown leaves one window, still in use.
    MainForm->runCommand(GetParam().command);
    settle();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(MainForm->isEnabled());
    dialog.close();
    settle();
    EXPECT_TRUE(MainForm->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Dialogs, EntryPointTest, ::testing::ValuesIn(kEntryPoints));

struct WindowLook {
    const char* name;
    const char* caption;
    QSize clientSize;
    std::vector<const char*> labels;
    const char* okName;
    const char* okText;
};

const WindowLook kLooks[] = {
    {"UrlCreate", "Ссылка", {349, 124}, {"Label2", "Label1"}, "OkBtn", "Создать ссылку"},
    {"ImageFrm", "Изображение", {350, 107}, {"Label1"}, "ImageOk", "Создать изображение"},
    {"EmailFrm", "Email", {252, 81}, {"Label1"}, "SpeedButton1", "Создать адрес"},
    {"SizeFrm", "Размер шрифта", {236, 81}, {"Label1"}, "SizeOk", "Задать размер"},
    {"FontFrm", "Шрифт", {229, 108}, {"Label1"}, "FontOk", "Задать шрифт"},
    {"FocusFrm", "Фокус", {284, 100}, {"Label1"}, "FocusOk", "Создать фокус"},
    {"SAfrm", "Специальное действие", {275, 91}, {"Label1"}, "SaOk", "Создать СД"},
    {"ColorFrm", "Цвет", {324, 140}, {"Label1"}, "SpeedButton1", "Изменить цвет"},
};

TEST_F(TagDialogTest, everyWindowHasItsCaptionFixedClientSizeAndShowsAllItsText) {
    const std::vector<TagDialog*> windows = {UrlCreate, ImageFrm, EmailFrm, SizeFrm,
                                             FontFrm,   FocusFrm, SAfrm,    ColorFrm};
    ASSERT_EQ(windows.size(), std::size(kLooks));
    for (std::size_t i = 0; i < windows.size(); ++i) {
        const WindowLook& look = kLooks[i];
        TagDialog& dialog = *windows[i];
        SCOPED_TRACE(look.name);
        EXPECT_EQ(dialog.objectName(), QLatin1String(look.name));
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8(look.caption));
        EXPECT_EQ(dialog.minimumSize(), look.clientSize);
        EXPECT_EQ(dialog.maximumSize(), look.clientSize);
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(dialog.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(dialog.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(dialog.parentWidget(), nullptr); // its own window, not disabled with the main
        EXPECT_FALSE(dialog.isVisible());
        const QRect client(QPoint(0, 0), look.clientSize);
        for (const char* name : look.labels) {
            const QLabel& label = child<QLabel>(dialog, name);
            // The whole text is visible inside the window.
            dialog.layout()->activate();
            EXPECT_TRUE(client.contains(label.geometry())) << name;
            if (label.wordWrap())
                EXPECT_LE(label.heightForWidth(label.width()), label.height()) << name;
            else
                EXPECT_LE(label.sizeHint().width(), label.width()) << name;
        }
        const QToolButton& ok = child<QToolButton>(dialog, look.okName);
        EXPECT_EQ(ok.text(), QString::fromUtf8(look.okText));
        EXPECT_EQ(&ok, &okButton(dialog));
        EXPECT_TRUE(client.contains(ok.geometry()));
        EXPECT_LE(ok.sizeHint().width(), ok.width());
        EXPECT_TRUE(client.contains(dialog.parameterField().geometry()));
        EXPECT_EQ(dialog.parameterField().objectName(),
                  (dynamic_cast<TFontFrm*>(&dialog) || dynamic_cast<TColorFrm*>(&dialog))
                      ? QStringLiteral("ComboBox1")
                      : QStringLiteral("Edit1"));
    }
    const auto& reader = child<QPushButton>(*UrlCreate, "Button1");
    EXPECT_EQ(reader.text(), QStringLiteral("GetURL"));
    EXPECT_TRUE(reader.isHidden());
}

TEST_F(TagDialogTest, windowsOpenCentredExceptTheSizeWindowAtItsStoredPlace) {
    const QRect area = MainForm->screen()->availableGeometry();
    for (std::string_view command :
         {cmd::DialogUrl, cmd::DialogImage, cmd::DialogEmail, cmd::DialogFont, cmd::DialogFocus,
          cmd::DialogSpecialAction, cmd::DialogColor}) {
        TagDialog& dialog = dialogOf(command);
        const QRect frame = dialog.frameGeometry();
        EXPECT_LE(std::abs((frame.left() - area.left()) - (area.right() - frame.right())), 1)
            << command;
        EXPECT_LE(std::abs((frame.top() - area.top()) - (area.bottom() - frame.bottom())), 1)
            << command;
        dialog.close();
    }
    TagDialog& size = dialogOf(cmd::DialogSize);
    EXPECT_EQ(size.frameGeometry().topLeft(), QPoint(411, 375));
    size.close();
}

TEST_F(TagDialogTest, focusAndSpecialActionNamesAreEmptiedByOkButKeptByTheCloseBox) {
    for (std::string_view command : {cmd::DialogFocus, cmd::DialogSpecialAction}) {
        SCOPED_TRACE(command);
        editor().clear();
        auto& dialog = static_cast<FieldDialog&>(dialogOf(command));
        enterParameter(dialog, ui("Тигрица"));
        dialog.close();
        settle();
        EXPECT_EQ(text(), "");

        EXPECT_EQ(&dialogOf(command), &dialog);
        EXPECT_EQ(dialog.edit().text(), ui("Тигрица"));
        clickOk(dialog);
        const std::string opening = command == cmd::DialogFocus ? "[focus=" : "[sa=";
        EXPECT_EQ(text().substr(0, opening.size() + 7), opening + "\xD2\xE8\xE3\xF0\xE8\xF6\xE0");
        EXPECT_EQ(dialog.edit().text(), QString());

        dialogOf(command);
        EXPECT_EQ(dialog.edit().text(), QString());
        dialog.close();
    }
}

TEST_F(TagDialogTest, emailAndAddressFieldsStartEmptyAtEveryOpening) {
    for (FieldDialog* dialog : std::initializer_list<FieldDialog*>{UrlCreate, ImageFrm, EmailFrm}) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        dialog->open();
        enterParameter(*dialog, QStringLiteral("typed before"));
        dialog->close();
        dialog->open();
        settle();
        EXPECT_EQ(dialog->edit().text(), QString());
        dialog->close();
    }
}

TEST_F(TagDialogTest, theWindowsLiveAsLongAsTheProgramAndAreOpenedThroughTheirReferences) {
    for (std::string_view command :
         {cmd::DialogUrl, cmd::DialogImage, cmd::DialogEmail, cmd::DialogSize, cmd::DialogFont,
          cmd::DialogFocus, cmd::DialogSpecialAction, cmd::DialogColor})
        EXPECT_TRUE(MainForm->commands().contains(command)) << command;
    TagDialog& first = dialogOf(cmd::DialogUrl);
    first.close();
    EXPECT_EQ(&dialogOf(cmd::DialogUrl), &first);
    EXPECT_EQ(&first, UrlCreate);
    first.close();
}

TEST_F(TagDialogTest, menuKeysOpenTheirDialogsAndAltSIsTheSpecialAction) {
    const std::pair<QKeyCombination, TagDialog*> keys[] = {
        {Qt::ALT | Qt::Key_S, SAfrm},
        {Qt::CTRL | Qt::Key_F, FocusFrm},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_I, UrlCreate},
        {Qt::CTRL | Qt::Key_E, EmailFrm},
        {Qt::ALT | Qt::Key_C, ColorFrm},
        {Qt::ALT | Qt::Key_F, FontFrm},
        {Qt::ALT | Qt::Key_I, ImageFrm},
    };
    MainForm->activateWindow();
    MainForm->memo().setFocus();
    for (const auto& [key, dialog] : keys) {
        SCOPED_TRACE(dialog->objectName().toStdString());
        QTest::keyClick(&MainForm->memo(), key.key(), key.keyboardModifiers());
        settle();
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_FALSE(SizeFrm->isVisible());
        dialog->close();
        settle();
    }
    EXPECT_EQ(text(), "");
}

} // namespace
} // namespace quolan::testing
