#include "core/ui/CommandIds.h"
#include "gui/tags/TagDialogFixture.h"

#include <QFontDatabase>
#include <QImage>
#include <QMimeData>
#include <QRegularExpression>

namespace quolan::testing {
namespace {

void putOnClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

struct PrefillCase {
    const char* clipboard; // UTF-8
    bool prefills;
};

const PrefillCase kPrefills[] = {
    {"http://brennow.example/forum/index.php?showtopic=12", true},
    {"ftp://files.example/map.zip", true},
    {"http://", true},
    {"ftp://", true},
    {"http://brennow.example   ", true},              // blanks after it stay
    {"http://a.example\nsecond line\r\nthird", true}, // only the first line
    {"http://пример.рф/тема", true},
    {"ftp://ü€😀", true}, // outside the code page
    {"HTTP://brennow.example", false},
    {"Http://brennow.example", false},
    {"FTP://files.example", false},
    {"https://brennow.example", false},
    {"ftps://files.example", false},
    {"brennow.example/forum", false},
    {"www.brennow.example", false},
    {"  http://brennow.example", false},
    {"\nhttp://brennow.example", false},
    {"http:/", false},
    {"ftp:/", false},
    {"h", false},
    {"", false},
};

void PrintTo(const PrefillCase& c, std::ostream* out) {
    *out << '"' << c.clipboard << '"';
}

class AddressPrefillTest : public TagDialogTest,
                           public ::testing::WithParamInterface<PrefillCase> {};

TEST_P(AddressPrefillTest, linkAndImageTakeOnlyAnExactPrefixAndThenTheWholeText) {
    const QString clip = QString::fromUtf8(GetParam().clipboard);
    for (std::string_view command : {cmd::DialogUrl, cmd::DialogImage}) {
        SCOPED_TRACE(command);
        auto& dialog = static_cast<FieldDialog&>(dialogOf(command));
        // Whatever the field held before does not survive the opening.
        typeText(dialog.edit(), QStringLiteral("old"));
        dialog.close();
        putOnClipboard(clip);
        selectBetweenMarks("sel");

        EXPECT_EQ(&dialogOf(command), &dialog);
        // A one-line field takes the first line only.
        const QString line = clip.left(clip.indexOf(QRegularExpression(QStringLiteral("[\r\n]"))));
        EXPECT_EQ(dialog.edit().text(), GetParam().prefills ? line : QString());
        // The editor is not consulted.
        EXPECT_EQ(text(), "<<sel>>");

        QTest::keyClick(&dialog.edit(), Qt::Key_Return);
        settle();
        if (!GetParam().prefills) {
            EXPECT_EQ(text(), "<<sel>>");
            continue;
        }
        const std::string address = postText(line);
        EXPECT_EQ(text(), command == cmd::DialogUrl ? "<<[url=" + address + "]sel[/url]>>"
                                                    : "<<[img]" + address + "[/img]>>");
    }
}

INSTANTIATE_TEST_SUITE_P(Clipboards, AddressPrefillTest, ::testing::ValuesIn(kPrefills));

TEST_F(TagDialogTest, prefilledAddressesEnterThePostInItsCodePageWithoutLineBreaks) {
    for (const char* lines : {"http://пример.рф/ü\nзатем", "http://пример.рф/ü\r\nзатем\r\n",
                              "http://пример.рф/ü\rзатем"}) {
        putOnClipboard(QString::fromUtf8(lines));
        selectBetweenMarks("");
        TagDialog& dialog = dialogOf(cmd::DialogUrl);
        clickOk(dialog);
        EXPECT_EQ(text(), "<<[url=http://\xEF\xF0\xE8\xEC\xE5\xF0.\xF0\xF4/&#252;][/url]>>");
    }
}

TEST_F(TagDialogTest, aPictureOnlyOrEmptyClipboardLeavesTheAddressEmpty) {
    auto* picture = new QMimeData;
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    picture->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(picture);
    for (std::string_view command : {cmd::DialogUrl, cmd::DialogImage}) {
        auto& dialog = static_cast<FieldDialog&>(dialogOf(command));
        EXPECT_EQ(dialog.edit().text(), QString()) << command;
        clickOk(dialog);
    }
    QGuiApplication::clipboard()->clear();
    auto& link = static_cast<FieldDialog&>(dialogOf(cmd::DialogUrl));
    EXPECT_EQ(link.edit().text(), QString());
    clickOk(link);
    EXPECT_EQ(text(), "");
    EXPECT_TRUE(MainForm->isEnabled());
}

TEST_F(TagDialogTest, megabytesOfClipboardTextAreTakenWholeAndInsertedExactly) {
    // Text as a post is made of: words and lines.
    const int repeats = 1 << 19;
    QString clip = QStringLiteral("http://brennow.example/ ");
    clip += QStringLiteral("word ").repeated(repeats);
    clip += QStringLiteral("\nend");
    putOnClipboard(clip);
    selectBetweenMarks("sel");
    auto& dialog = static_cast<FieldDialog&>(dialogOf(cmd::DialogUrl));
    EXPECT_EQ(dialog.edit().text().size(), clip.size() - 4); // without "\nend"
    clickOk(dialog);
    std::string words;
    for (int i = 0; i < repeats; ++i)
        words += "word ";
    const std::string expected = "<<[url=http://brennow.example/ " + words + "]sel[/url]>>";
    EXPECT_EQ(text(), expected);
    EXPECT_TRUE(errors.empty());
}

TEST_F(TagDialogTest, megabytesOfClipboardTextWithoutAnAddressAreLeftAlone) {
    putOnClipboard(QStringLiteral("word ").repeated(1 << 19));
    auto& dialog = static_cast<FieldDialog&>(dialogOf(cmd::DialogImage));
    EXPECT_EQ(dialog.edit().text(), QString());
    dialog.close();
}

TEST_F(TagDialogTest, pastedNamesKeepTheirBracketsAndQuotesButNoLineBreak) {
    putOnClipboard(QStringLiteral("[b]\"Hero\"\nthe Second[/b]"));
    selectBetweenMarks("acts");
    auto& dialog = static_cast<FieldDialog&>(dialogOf(cmd::DialogSpecialAction));
    dialog.edit().clear();
    QTest::keyClick(&dialog.edit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog.edit().text(), QStringLiteral("[b]\"Hero\""));
    // Pasted between typed letters, the first line goes in and the rest stays.
    dialog.edit().setText(QStringLiteral("<>"));
    dialog.edit().setCursorPosition(1);
    putOnClipboard(QStringLiteral("one\r\ntwo\nthree"));
    QTest::keyClick(&dialog.edit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(dialog.edit().text(), QStringLiteral("<one>"));
    EXPECT_EQ(dialog.edit().cursorPosition(), 4);
    clickOk(dialog);
    EXPECT_EQ(text(), "<<[sa=<one>]acts[/sa]>>");
}

TEST_F(TagDialogTest, typedTextOutsideTheCodePageBecomesCharacterReferences) {
    selectBetweenMarks("x");
    auto& dialog = static_cast<FieldDialog&>(dialogOf(cmd::DialogFocus));
    typeText(dialog.edit(), QString::fromUtf8("Zoë "));
    // A character beyond the basic plane arrives as one key with two UTF-16 units.
    const QString emoji = QString::fromUtf8("😀");
    QTest::sendKeyEvent(QTest::KeyAction::Press, &dialog.edit(), Qt::Key_unknown, emoji,
                        Qt::NoModifier);
    QTest::sendKeyEvent(QTest::KeyAction::Release, &dialog.edit(), Qt::Key_unknown, emoji,
                        Qt::NoModifier);
    typeText(dialog.edit(), QString::fromUtf8(" Зоя"));
    clickOk(dialog);
    EXPECT_EQ(text(), "<<[focus=Zo&#235; &#128512; \xC7\xEE\xFF]x[/focus]>>");
}

TEST_F(TagDialogTest, theSizeFieldShowsThePositionAndStaysWithinZeroToTen) {
    TSizeFrm& size = *SizeFrm;
    EXPECT_EQ(&dialogOf(cmd::DialogSize), &size);
    QLineEdit& field = size.edit();
    EXPECT_EQ(field.text(), QStringLiteral("1"));
    EXPECT_TRUE(field.isReadOnly());
    EXPECT_EQ(field.width(), 49);

    for (int i = 0; i < 15; ++i)
        QTest::keyClick(&field, Qt::Key_Up);
    EXPECT_EQ(field.text(), QStringLiteral("10"));
    auto& up = child<QToolButton>(size.upDown(), "Up");
    auto& down = child<QToolButton>(size.upDown(), "Down");
    EXPECT_EQ(up.focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(&up, Qt::LeftButton);
    EXPECT_EQ(field.text(), QStringLiteral("10"));

    QTest::mouseClick(&down, Qt::LeftButton);
    EXPECT_EQ(field.text(), QStringLiteral("9"));
    for (int i = 0; i < 15; ++i)
        QTest::keyClick(&field, Qt::Key_Down);
    QTest::mouseClick(&down, Qt::LeftButton);
    EXPECT_EQ(field.text(), QStringLiteral("0"));

    // Nothing else writes the field.
    typeText(field, QStringLiteral("57"));
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClick(&field, Qt::Key_Delete);
    putOnClipboard(QStringLiteral("8"));
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.text(), QStringLiteral("0"));

    QTest::mouseClick(&up, Qt::LeftButton);
    QTest::mouseClick(&up, Qt::LeftButton);
    selectBetweenMarks("s");
    clickOk(size);
    EXPECT_EQ(text(), "<<[size=2]s[/size]>>");

    // The position survives, and the field shows it again.
    dialogOf(cmd::DialogSize);
    EXPECT_EQ(field.text(), QStringLiteral("2"));
    EXPECT_EQ(size.upDown().position(), 2);
    size.close();
}

TEST(FontChoices, eachFamilyOnceWithoutFoundryPlusDefaultSortedRegardlessOfCase) {
    const QStringList families = {QStringLiteral("Nimbus Sans [urw]"),
                                  QStringLiteral("arial"),
                                  QStringLiteral("Nimbus Sans [UKWN]"),
                                  QStringLiteral("Zapf"),
                                  QStringLiteral("DejaVu Sans"),
                                  QStringLiteral("Arial"),
                                  QStringLiteral("DejaVu Sans"),
                                  QStringLiteral("Nimbus Sans"),
                                  QStringLiteral("Courier [Bitstream, Inc.]")};
    const QStringList expected = {QStringLiteral("Arial"),       QStringLiteral("arial"),
                                  QStringLiteral("Courier"),     QStringLiteral("Default"),
                                  QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans"),
                                  QStringLiteral("Zapf")};
    EXPECT_EQ(fontChoices(families), expected);
    EXPECT_EQ(fontChoices({}), QStringList{QStringLiteral("Default")});
    EXPECT_EQ(fontChoices({QStringLiteral("Default")}), QStringList{QStringLiteral("Default")});
}

TEST_F(TagDialogTest, theFontListHoldsTheInstalledFamiliesAndOpensOnCourier) {
    QComboBox& box = FontFrm->comboBox();
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items.append(box.itemText(i));
    EXPECT_EQ(items, fontChoices(QFontDatabase::families()));
    EXPECT_TRUE(items.contains(QStringLiteral("Default")));
    EXPECT_GT(items.size(), 1);
    EXPECT_TRUE(box.isEditable());

    for (const char* typed : {"Arial Black", "[x]"}) {
        dialogOf(cmd::DialogFont);
        EXPECT_EQ(box.currentText(), QStringLiteral("Courier"));
        EXPECT_TRUE(box.view()->isVisible());
        enterParameter(*FontFrm, QString::fromLatin1(typed));
        QTest::keyClick(&box, Qt::Key_Return);
        settle();
        EXPECT_FALSE(FontFrm->isVisible());
    }
    EXPECT_EQ(text(), "[font=Arial Black][/font][font=[x]][/font]");
    EXPECT_EQ(box.count(), items.size()); // typed names never join the list

    dialogOf(cmd::DialogFont);
    EXPECT_EQ(box.currentText(), QStringLiteral("Courier"));
    FontFrm->close();
    settle();
    EXPECT_FALSE(box.view()->isVisible());
    EXPECT_TRUE(MainForm->isEnabled());
}

} // namespace
} // namespace quolan::testing
