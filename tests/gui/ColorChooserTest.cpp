#include "core/ui/CommandIds.h"
#include "gui/tags/TagDialogFixture.h"

#include <QPlainTextEdit>

namespace quolan::testing {
namespace {

struct ColourRow {
    const char* name;
    QRgb sample;
};

// The sample's own colours, which are not the web's values of these names.
const ColourRow kColours[] = {
    {"black", 0x000000},     {"blue", 0x0000FF},       {"burlywood", 0xDA9C9C},
    {"chocolate", 0x804040}, {"coral", 0x9A3310},      {"crimson", 0x800000},
    {"darkblue", 0x004080},  {"darkred", 0x800000},    {"deeppink", 0xD9006C},
    {"firebrick", 0x800000}, {"green", 0x008000},      {"indigo", 0x4A3179},
    {"limegreen", 0x00FF00}, {"orange", 0xFF8000},     {"purple", 0x800080},
    {"royalblue", 0x6F6FFF}, {"sandybrown", 0xFF8040}, {"seagreen", 0x066A42},
    {"sienna", 0x804000},    {"silver", 0xC0C0C0},     {"skyblue", 0xA6CAF0},
    {"teal", 0x008080},      {"tomato", 0xF93E42},
};

QRgb rgb(const QColor& colour) {
    return colour.rgb() & 0xFFFFFF;
}

class ColorChooserTest : public TagDialogTest {
protected:
    TColorFrm& chooser() const { return *ColorFrm; }
    QComboBox& list() const { return chooser().comboBox(); }
};

TEST_F(ColorChooserTest, listsTheNamesInOrderOverALimeSampleOnBlack) {
    ASSERT_EQ(list().count(), static_cast<int>(std::size(kColours)));
    for (int i = 0; i < list().count(); ++i)
        EXPECT_EQ(list().itemText(i), QLatin1String(kColours[i].name));
    EXPECT_FALSE(list().isEditable());
    EXPECT_EQ(list().width(), 313);

    const QPlainTextEdit& sample = chooser().sample();
    EXPECT_EQ(sample.objectName(), QStringLiteral("Memo1"));
    EXPECT_EQ(sample.size(), QSize(313, 41));
    EXPECT_TRUE(sample.isReadOnly());
    EXPECT_EQ(rgb(chooser().sampleColour()), 0x00FF00u);
    EXPECT_EQ(rgb(sample.palette().color(QPalette::Base)), 0x000000u);
    EXPECT_EQ(sample.font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(sample.font().pixelSize(), 13);
    EXPECT_EQ(sample.toPlainText(), ui("Пример отображения текста на форуме \nBrennow"));
}

TEST_F(ColorChooserTest, everyPickDrawsTheSampleInThatNamesColour) {
    dialogOf(cmd::DialogColor);
    for (const ColourRow& row : kColours) {
        pick(list(), QLatin1String(row.name));
        EXPECT_EQ(rgb(chooser().sampleColour()), row.sample) << row.name;
        EXPECT_EQ(list().currentText(), QLatin1String(row.name));
    }
    chooser().close();
}

TEST_F(ColorChooserTest, crimsonDarkredAndFirebrickShareOneColourAndBlackVanishes) {
    dialogOf(cmd::DialogColor);
    pick(list(), QStringLiteral("crimson"));
    const QRgb crimson = rgb(chooser().sampleColour());
    pick(list(), QStringLiteral("darkred"));
    EXPECT_EQ(rgb(chooser().sampleColour()), crimson);
    pick(list(), QStringLiteral("firebrick"));
    EXPECT_EQ(rgb(chooser().sampleColour()), crimson);
    EXPECT_EQ(crimson, 0x800000u);

    pick(list(), QStringLiteral("black"));
    EXPECT_EQ(chooser().sampleColour(), chooser().sample().palette().color(QPalette::Base));
    selectBetweenMarks("dark");
    clickOk(chooser());
    EXPECT_EQ(text(), "<<[color=black]dark[/color]>>");
}

TEST_F(ColorChooserTest, anUnknownNameChangesNothing) {
    dialogOf(cmd::DialogColor);
    pick(list(), QStringLiteral("teal"));
    for (const char* unknown : {"Teal", "SKYBLUE", "skyblue ", "lime", "white", ""}) {
        chooser().ComboBox1Change(QLatin1String(unknown));
        EXPECT_EQ(rgb(chooser().sampleColour()), 0x008080u) << unknown;
    }
    chooser().close();
}

TEST_F(ColorChooserTest, everyOpeningChoosesSkyblueWithTheListOpenAndKeepsTheSample) {
    selectBetweenMarks("hello");
    dialogOf(cmd::DialogColor);
    EXPECT_EQ(list().currentText(), QStringLiteral("skyblue"));
    EXPECT_TRUE(list().view()->isVisible());
    // The opening itself does not recolour the sample.
    EXPECT_EQ(rgb(chooser().sampleColour()), 0x00FF00u);
    clickOk(chooser());
    EXPECT_EQ(text(), "<<[color=skyblue]hello[/color]>>");
    EXPECT_EQ(editor().selectionStart(), text().size() - 2);

    dialogOf(cmd::DialogColor);
    pick(list(), QStringLiteral("orange"));
    chooser().close(); // the close box: nothing inserted
    settle();
    EXPECT_TRUE(MainForm->isEnabled());
    EXPECT_EQ(text(), "<<[color=skyblue]hello[/color]>>");

    dialogOf(cmd::DialogColor);
    EXPECT_EQ(list().currentText(), QStringLiteral("skyblue"));
    EXPECT_EQ(rgb(chooser().sampleColour()), 0xFF8000u);
    EXPECT_EQ(chooser().focusWidget(), &list());
    chooser().close();
}

TEST_F(ColorChooserTest, okWithoutAChoiceOnlyCloses) {
    selectBetweenMarks("hello");
    dialogOf(cmd::DialogColor);
    list().hidePopup();
    list().setCurrentIndex(-1);
    clickOk(chooser());
    EXPECT_FALSE(chooser().isVisible());
    EXPECT_TRUE(MainForm->isEnabled());
    EXPECT_EQ(text(), "<<hello>>");
    EXPECT_EQ(editor().selectionLength(), 5u);
}

} // namespace
} // namespace quolan::testing
