#include "core/i18n/LanguageTable.h"
#include "core/ui/CommandIds.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/Windows.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "gui/i18n/LanguageApplier.h"
#include "gui/i18n/TLanFrm.h"
#include "gui/info/AnimatedChain.h"
#include "gui/info/TAbout.h"
#include "gui/info/TCredits.h"
#include "gui/main/TMainForm.h"
#include "gui/preview/TPreviewFrm.h"
#include "gui/shell/SettingsPath.h"
#include "gui/shell/TOptions.h"
#include "gui/ui/QtText.h"
#include "support/GuiTestSupport.h"
#include "support/SilentProgress.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>

namespace quolan {
namespace {

using testing::child;
using testing::settle;

// The text a row should show after the command for `language`; none: as built.
QString expectedText(const LanguageRow& row, std::optional<Language> language) {
    if (!row.isCaptionCopy())
        return ui(language ? row.text.in(*language) : row.builtText());
    if (!language)
        return ui(row.builtText());
    for (const LanguageRow& twin : languageTables()[0].rows)
        if (twin.control == row.copyOf)
            return ui(twin.text.in(*language));
    // The twins no command changes keep the captions they are built with.
    const auto* item = MainForm->findChild<QAction*>(ui(row.copyOf));
    return item ? item->text() : QString();
}

// The program's windows as at start-up, with the settings file the program
// uses beside the test program, emptied before and after each test.
class LanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        settingsPath = programSettingsPath();
        removeSettings();
        windows_ = std::make_unique<ProgramWindows>();
        windows_->create(progress_);
        ASSERT_NE(MainForm, nullptr);
        ASSERT_NE(LanFrm, nullptr);
        MainForm->setErrorSink([this](std::string_view m) { errors.emplace_back(m); });
        MainForm->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        QObject::connect(MainForm, &TMainForm::closing, [this] { ++closings; });
        MainForm->show();
        settle();
    }

    void TearDown() override {
        windows_.reset();
        removeSettings();
    }

    void removeSettings() const {
        QDir().rmdir(settingsPath);
        QFile::remove(settingsPath);
    }

    void storeSettings(const std::string& content) const {
        QFile file(settingsPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content.data(), static_cast<qint64>(content.size()));
    }

    // A folder where the settings file should be: no user may write it.
    void makeSettingsUnwritable() const { ASSERT_TRUE(QDir().mkdir(settingsPath)); }

    std::string settings() const {
        QFile file(settingsPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<none>";
    }

    static void click(std::string_view item) {
        auto* action = MainForm->findChild<QAction*>(ui(item));
        ASSERT_NE(action, nullptr);
        action->trigger();
        settle();
    }

    static QString textOf(std::string_view element) {
        for (const LanguageTable& table : languageTables())
            for (const LanguageRow& row : table.rows)
                if (elementName(row) == element) {
                    LanguageApplier applier;
                    QObject* found = applier.element(row);
                    return found ? LanguageApplier::currentText(*found) : QStringLiteral("<none>");
                }
        return QStringLiteral("<not tabled>");
    }

    // Every row finds its one control and shows the expected text.
    static void expectEveryRow(std::optional<Language> language) {
        for (const LanguageTable& table : languageTables())
            for (const LanguageRow& row : table.rows) {
                LanguageApplier applier;
                QObject* element = applier.element(row);
                ASSERT_NE(element, nullptr) << applier.faults().join(u' ').toStdString();
                EXPECT_EQ(LanguageApplier::currentText(*element), expectedText(row, language))
                    << elementName(row);
            }
    }

    QString settingsPath;
    std::vector<std::string> errors;
    int closings = 0;

private:
    testing::SilentProgress progress_;
    std::unique_ptr<ProgramWindows> windows_;
};

TEST_F(LanguageTest, everyWindowOfTheTableExistsOnce) {
    for (const LanguageTable& table : languageTables())
        for (const LanguageRow& row : table.rows)
            EXPECT_NE(programWindow(row.window), nullptr) << elementName(row);
}

TEST_F(LanguageTest, everyRowFindsOneControlShowingItsBuiltTextThenEachCommandsText) {
    expectEveryRow(std::nullopt);
    EXPECT_EQ(shownLanguage(), std::nullopt);
    click("N36");
    expectEveryRow(Language::English);
    EXPECT_EQ(shownLanguage(), Language::English);
    EXPECT_EQ(settings(), "[Language]\r\nInstalled=English\r\n");
    click("N35");
    expectEveryRow(Language::Russian);
    EXPECT_EQ(shownLanguage(), Language::Russian);
    EXPECT_EQ(settings(), "[Language]\r\nInstalled=Russian\r\n");
    click("N36");
    expectEveryRow(Language::English);
    EXPECT_TRUE(errors.empty());
}

TEST_F(LanguageTest, englishThenRussianIsNotTheBuiltInterface) {
    click("N36");
    EXPECT_EQ(textOf("N18"), QStringLiteral("About"));
    EXPECT_EQ(textOf("BOLD1"), QStringLiteral("Bold [b][/b]"));
    EXPECT_EQ(textOf("ColorFrm.Memo1"), QStringLiteral("Example"));
    click("N35");
    EXPECT_EQ(textOf("N18"), QString::fromUtf8("О программе"));
    EXPECT_EQ(textOf("N5"), QString::fromUtf8("Ссылка [url][/url]"));
    EXPECT_EQ(textOf("oocbtn"), QString::fromUtf16(u"\u041E\u041E\u0421"));
    EXPECT_EQ(textOf("BOLD1"), QString::fromUtf8("Выделение [b][/b]"));
    EXPECT_EQ(textOf("CODE2"), QStringLiteral("Code [code][/code]"));
    EXPECT_EQ(textOf("ColorFrm.Memo1"),
              QString::fromUtf8("Пример отображения текста на форуме Brennow"));
    // The menu still shows each item's key beside its new caption.
    EXPECT_EQ(child<QAction>(*MainForm, "N4").text(), QString::fromUtf8("Выделение [b][/b]"));
    EXPECT_EQ(child<QAction>(*MainForm, "N4").shortcut(), QKeySequence(QStringLiteral("Ctrl+B")));
}

TEST(LanguageApplier, aRowFindingNoControlOrTwoIsAFaultAndSetsNothing) {
    QWidget window;
    window.setObjectName(QStringLiteral("Probe"));
    auto* one = new QLabel(QStringLiteral("one"), &window);
    one->setObjectName(QStringLiteral("Twin"));
    auto* two = new QLabel(QStringLiteral("two"), new QWidget(&window));
    two->setObjectName(QStringLiteral("Twin"));
    auto* solo = new QPushButton(QStringLiteral("solo"), &window);
    solo->setObjectName(QStringLiteral("Solo"));
    QWidget owned(&window, Qt::Dialog); // another window, not looked into
    auto* hidden = new QLabel(&owned);
    hidden->setObjectName(QStringLiteral("Owned"));

    LanguageApplier applier(
        [&](std::string_view name) { return name == "Probe" ? &window : nullptr; });
    const LanguageRow rows[] = {{"Probe", "Twin", "x", "y"},  {"Probe", "Missing", "x", "y"},
                                {"Probe", "Owned", "x", "y"}, {"Elsewhere", "Solo", "x", "y"},
                                {"Probe", "Solo", "x", "y"},  {"Probe", {}, "Caption", "y"}};
    for (const LanguageRow& row : rows)
        applier.setText(row, row.text.english);
    EXPECT_EQ(applier.faults(),
              QStringList({QStringLiteral("Probe.Twin: 2 controls named Twin"),
                           QStringLiteral("Probe.Missing: 0 controls named Missing"),
                           QStringLiteral("Probe.Owned: 0 controls named Owned"),
                           QStringLiteral("Elsewhere.Solo: no window Elsewhere")}));
    EXPECT_EQ(one->text(), QStringLiteral("one"));
    EXPECT_EQ(two->text(), QStringLiteral("two"));
    EXPECT_EQ(solo->text(), QStringLiteral("x"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Caption"));
}

// What a language command must leave as it is: every text outside the table,
// and hints, keys, check marks, enabled and visible states, fonts and sizes.
class Snapshot {
public:
    explicit Snapshot(const std::set<const QObject*>& tabled) : tabled_(tabled) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (!window->parentWidget() && !window->objectName().isEmpty())
                take(*window, window->objectName());
    }
    const std::map<QString, QString>& values() const { return values_; }

private:
    void put(const QString& path, const char* what, const QString& value) {
        values_[path + QLatin1Char(':') + QLatin1String(what)] = value;
    }
    void putText(const QObject& object, const QString& path, const QString& text) {
        if (!tabled_.contains(&object))
            put(path, "text", text);
    }

    void take(const QObject& object, const QString& path) {
        if (const auto* action = qobject_cast<const QAction*>(&object)) {
            putText(object, path, action->text());
            QAction plain; // the hint Qt makes from the text, when none is set
            plain.setText(action->text());
            put(path, "tip", action->toolTip() == plain.toolTip() ? QString() : action->toolTip());
            put(path, "key", action->shortcut().toString());
            put(path, "check",
                QStringLiteral("%1%2").arg(action->isCheckable()).arg(action->isChecked()));
            put(path, "state",
                QStringLiteral("%1%2").arg(action->isEnabled()).arg(action->isVisible()));
        }
        if (const auto* widget = qobject_cast<const QWidget*>(&object)) {
            // A picture button's hint is its text.
            const auto* picture = qobject_cast<const QToolButton*>(widget);
            if (picture && picture->toolButtonStyle() == Qt::ToolButtonIconOnly) {
                putText(object, path + QStringLiteral(":tip"), widget->toolTip());
                putText(object, path + QStringLiteral(":accessible"), widget->accessibleName());
            } else {
                put(path, "tip", widget->toolTip());
                put(path, "accessible", widget->accessibleName());
            }
            put(path, "state",
                QStringLiteral("%1%2").arg(widget->isEnabled()).arg(widget->isHidden()));
            put(path, "font", widget->font().toString());
            if (widget->isWindow()) {
                put(path, "size",
                    QStringLiteral("%1x%2").arg(widget->width()).arg(widget->height()));
                putText(object, path, widget->windowTitle());
            }
            if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
                putText(object, path, button->text());
            if (const auto* label = qobject_cast<const QLabel*>(widget))
                putText(object, path, label->text());
            if (const auto* box = qobject_cast<const QGroupBox*>(widget))
                putText(object, path, box->title());
            if (const auto* memo = qobject_cast<const QPlainTextEdit*>(widget))
                putText(object, path, memo->toPlainText());
            if (const auto* tabs = qobject_cast<const QTabWidget*>(widget))
                for (int i = 0; i < tabs->count(); ++i)
                    putText(*tabs->widget(i), path + QStringLiteral("/tab%1").arg(i),
                            tabs->tabText(i));
        }
        int unnamed = 0;
        for (const QObject* child : object.children()) {
            // Qt's own dialogs follow the interface language by design.
            const auto* window = qobject_cast<const QWidget*>(child);
            if (window && window->isWindow() && !qobject_cast<const QMenu*>(window))
                continue;
            QString name = child->objectName();
            if (name.isEmpty())
                name = QString::fromLatin1(child->metaObject()->className()) +
                       QString::number(unnamed++);
            take(*child, path + QLatin1Char('/') + name);
        }
    }

    const std::set<const QObject*>& tabled_;
    std::map<QString, QString> values_;
};

std::set<const QObject*> tabledElements() {
    std::set<const QObject*> tabled;
    for (const LanguageTable& table : languageTables())
        for (const LanguageRow& row : table.rows) {
            LanguageApplier applier;
            if (QObject* element = applier.element(row)) {
                tabled.insert(element);
                if (auto* menu = qobject_cast<QMenu*>(element))
                    tabled.insert(menu->menuAction());
            }
        }
    return tabled;
}

void expectSame(const Snapshot& before, const Snapshot& after) {
    ASSERT_EQ(before.values().size(), after.values().size());
    for (const auto& [key, value] : before.values())
        EXPECT_EQ(after.values().at(key), value) << key.toStdString();
}

TEST_F(LanguageTest, nothingOutsideTheTableChanges) {
    MainForm->editor().setText("abc");
    const std::set<const QObject*> tabled = tabledElements();
    const Snapshot built(tabled);
    EXPECT_GT(built.values().size(), 1000u);
    click("N36");
    expectSame(built, Snapshot(tabled));
    click("N35");
    expectSame(built, Snapshot(tabled));
    // Some of what stays, by name.
    EXPECT_EQ(child<QLabel>(*MainForm, "Len").text(), QString::fromUtf8("Количество символов: 3"));
    EXPECT_EQ(child<QToolButton>(*MainForm, "boldbtn").toolTip(),
              QString::fromUtf8("Выделить текст"));
    EXPECT_EQ(child<QAction>(*MainForm, "N36").text(), QStringLiteral("English"));
    EXPECT_TRUE(child<QAction>(*MainForm, "N57").isChecked());
}

TEST_F(LanguageTest, thePreviewSpeaksTheShownLanguageMadeAfterTheSwitchAndAtOnceAcrossOne) {
    MainForm->editor().setText("[b]open");
    click("N36");
    EXPECT_EQ(child<QAction>(*MainForm, "Preview1").text(), QStringLiteral("Post preview"));
    MainForm->runCommand(cmd::Preview);
    TPreviewFrm* preview = MainForm->previewWindow();
    ASSERT_NE(preview, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !preview->rendering(); }, 10000));
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Preview"));
    const auto& findings = child<QListWidget>(*preview, "TagFindings");
    ASSERT_GE(findings.count(), 1);
    EXPECT_TRUE(findings.item(0)->text().contains(QStringLiteral("never closed")));

    // Switched while it is open: relabelled there and then, no typing, no F5.
    click("N35");
    EXPECT_EQ(preview->windowTitle(), QString::fromUtf8("Предпросмотр"));
    EXPECT_EQ(child<QLabel>(*preview, "FindingsLabel").text(),
              QString::fromUtf8("Проверка тегов:"));
    ASSERT_GE(findings.count(), 1);
    EXPECT_TRUE(findings.item(0)->text().contains(QString::fromUtf8("не закрыт")));
    EXPECT_TRUE(
        child<QLabel>(*preview, "PreviewCounts").text().startsWith(QString::fromUtf8("Символов")));
    preview->close();
}

TEST_F(LanguageTest, pictureButtonsAreNamedByTheirHints) {
    int named = 0;
    for (const QToolButton* button : MainForm->findChildren<QToolButton*>())
        if (button->toolButtonStyle() == Qt::ToolButtonIconOnly && !button->toolTip().isEmpty()) {
            EXPECT_EQ(button->accessibleName(), button->toolTip())
                << button->objectName().toStdString();
            ++named;
        }
    EXPECT_EQ(named, 9); // every picture button of the toolbar, and the find bar's close
}

TEST_F(LanguageTest, qtsOwnTextsFollowTheInterface) {
    const auto cancelText = [] {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        return box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&'));
    };
    EXPECT_EQ(cancelText(), QString::fromUtf8("Отмена")); // as built
    click("N36");
    EXPECT_EQ(cancelText(), QStringLiteral("Cancel"));
    click("N35");
    EXPECT_EQ(cancelText(), QString::fromUtf8("Отмена"));
}

TEST_F(LanguageTest, aRefusedSettingsWriteIsShownAndChangesNoText) {
    makeSettingsUnwritable();
    click("N36");
    EXPECT_EQ(errors, std::vector<std::string>{"Unable to write to " + settingsPath.toStdString()});
    expectEveryRow(std::nullopt);
    EXPECT_EQ(MainForm->language().shown(), std::nullopt);
}

// Whether an element shows its whole text at its window's fixed size, measured
// with the element's own font; empty when it does, else what is wrong.
QString misfit(QObject& element) {
    auto* widget = qobject_cast<QWidget*>(&element);
    if (!widget)
        return {}; // menus size themselves to their items
    QWidget* window = widget->window();
    if (window->layout())
        window->layout()->activate();
    const QRect client(QPoint(0, 0), window->size());
    const QRect place(widget->mapTo(window, QPoint(0, 0)), widget->size());
    if (widget != window && !client.contains(place))
        return QStringLiteral("outside its window");
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                              : label->sizeHint().width() > label->width())
            return QStringLiteral("label text cut");
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QString text = button->text();
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        // A pixel to spare at each side for the raised frame.
        const int needed = button->fontMetrics().horizontalAdvance(text) + 2;
        if (needed > button->width())
            return QStringLiteral("button needs %1, has %2").arg(needed).arg(button->width());
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        const int lines = memo->document()->documentLayout()->documentSize().toSize().height();
        const int shown = memo->viewport()->height() / memo->fontMetrics().lineSpacing();
        if (lines > shown)
            return QStringLiteral("%1 lines shown of %2").arg(shown).arg(lines);
        if (memo->lineWrapMode() == QPlainTextEdit::NoWrap) {
            int widest = 0;
            for (const QString& line : memo->toPlainText().split(QLatin1Char('\n')))
                widest = std::max(widest, memo->fontMetrics().horizontalAdvance(line));
            if (widest + 2 * int(memo->document()->documentMargin()) > memo->viewport()->width())
                return QStringLiteral("line of %1 in %2")
                    .arg(widest)
                    .arg(memo->viewport()->width());
        }
    } else if (widget->isWindow()) {
        // Room for the window's icon and close box beside the caption.
        const int needed = widget->fontMetrics().horizontalAdvance(widget->windowTitle()) + 64;
        if (needed > widget->width())
            return QStringLiteral("caption needs %1, has %2").arg(needed).arg(widget->width());
    } else if (auto* stack = widget->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget()))
            if (tabs->tabBar()->sizeHint().width() > tabs->width())
                return QStringLiteral("tabs cut");
    }
    return {};
}

QStringList misfits() {
    QStringList found;
    for (const LanguageTable& table : languageTables())
        for (const LanguageRow& row : table.rows) {
            LanguageApplier applier;
            if (QObject* element = applier.element(row))
                if (const QString why = misfit(*element); !why.isEmpty())
                    found << QString::fromStdString(elementName(row)) + QStringLiteral(": ") + why;
        }
    return found;
}

// The about window keeps its title lines out of sight until its opening
// animation brings them in; play it to its end.
void openAboutAtRest() {
    About->open();
    AnimatedChain& animation = About->animation();
    for (int tick = 0; tick < 100000; ++tick) {
        std::size_t running = animation.chain().size();
        for (std::size_t i = 0; i < animation.chain().size(); ++i)
            if (animation.timer(i).isActive())
                running = i;
        if (running == animation.chain().size())
            break;
        animation.chain().tick(running);
    }
}

TEST_F(LanguageTest, everyTextFitsItsControlInBothLanguages) {
    openAboutAtRest();                  // and open while the language changes
    MainForm->runCommand(cmd::Replace); // the find bar, laid out with both its rows
    settle();
    EXPECT_EQ(misfits().join(u'\n').toStdString(), "");
    click("N36");
    EXPECT_EQ(misfits().join(u'\n').toStdString(), "");
    click("N35");
    EXPECT_EQ(misfits().join(u'\n').toStdString(), "");
}

TEST_F(LanguageTest, theChooserLooksAsBuiltAndFits) {
    const TLanFrm& chooser = *LanFrm;
    EXPECT_EQ(chooser.windowTitle(), QString::fromUtf8("Языковое меню/Language menu"));
    EXPECT_EQ(chooser.minimumSize(), QSize(377, 76));
    EXPECT_EQ(chooser.maximumSize(), QSize(377, 76));
    EXPECT_FALSE(chooser.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(chooser.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(chooser.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(chooser.isVisible());
    auto& label = child<QLabel>(chooser, "Label1");
    EXPECT_EQ(label.text(), QString::fromUtf8("Выберите язык/Choose language"));
    EXPECT_EQ(misfit(label), QString());
    const char* order[] = {"SpeedButton2", "SpeedButton3", "SpeedButton1"};
    const char* texts[] = {"Русский/Russian", "Выход", "English/Английский"};
    int left = -1;
    for (int i = 0; i < 3; ++i) {
        auto& button = child<QToolButton>(chooser, order[i]);
        EXPECT_EQ(button.text(), QString::fromUtf8(texts[i]));
        EXPECT_TRUE(button.autoRaise()); // flat
        EXPECT_GT(button.x(), left);
        EXPECT_GT(button.y(), label.geometry().bottom()); // below the label
        EXPECT_EQ(misfit(button), QString()) << order[i];
        left = button.geometry().right();
    }
    EXPECT_EQ(misfit(*LanFrm), QString());
}

TEST_F(LanguageTest, noneShowsTheChooserOverTheDisabledMainWindow) {
    storeSettings("[Language]\r\nInstalled=None\r\n");
    emit MainForm->firstTick();
    settle();
    EXPECT_TRUE(LanFrm->isVisible());
    EXPECT_FALSE(MainForm->isEnabled());
    EXPECT_TRUE(MainForm->isVisible());
    EXPECT_EQ(textOf("N18"), QString::fromUtf8("&О...")); // nothing applied yet
    // Only its buttons end the chooser.
    LanFrm->close();
    EXPECT_TRUE(LanFrm->isVisible());

    QTest::mouseClick(&child<QToolButton>(*LanFrm, "SpeedButton1"), Qt::LeftButton);
    settle();
    EXPECT_EQ(settings(), "[Language]\r\nInstalled=English\r\n");
    EXPECT_EQ(textOf("N18"), QStringLiteral("About"));
    EXPECT_FALSE(LanFrm->isVisible());
    EXPECT_TRUE(MainForm->isEnabled());
    EXPECT_TRUE(errors.empty());
}

TEST_F(LanguageTest, theChoosersRussianButtonStoresAndAppliesRussian) {
    storeSettings("[Language]\r\nInstalled=None\r\n");
    emit MainForm->firstTick();
    settle();
    QTest::mouseClick(&child<QToolButton>(*LanFrm, "SpeedButton2"), Qt::LeftButton);
    settle();
    EXPECT_EQ(settings(), "[Language]\r\nInstalled=Russian\r\n");
    EXPECT_EQ(textOf("N18"), QString::fromUtf8("О программе"));
    EXPECT_FALSE(LanFrm->isVisible());
    EXPECT_TRUE(MainForm->isEnabled());
}

TEST_F(LanguageTest, theChoosersExitEndsTheProgramAndKeepsNone) {
    storeSettings("[Language]\r\nInstalled=None\r\n");
    emit MainForm->firstTick();
    settle();
    QTest::mouseClick(&child<QToolButton>(*LanFrm, "SpeedButton3"), Qt::LeftButton);
    settle();
    EXPECT_EQ(closings, 1);
    EXPECT_FALSE(MainForm->isVisible());
    EXPECT_FALSE(LanFrm->isVisible());
    EXPECT_NE(settings().find("[Language]\r\nInstalled=None\r\n"), std::string::npos);
    EXPECT_NE(settings().find("[Size]"), std::string::npos); // the ordinary close ran
}

TEST_F(LanguageTest, aRefusedWriteKeepsTheChooserOpen) {
    makeSettingsUnwritable();
    LanFrm->ask(); // as the first tick does on "None"
    settle();
    QTest::mouseClick(&child<QToolButton>(*LanFrm, "SpeedButton1"), Qt::LeftButton);
    settle();
    EXPECT_EQ(errors, std::vector<std::string>{"Unable to write to " + settingsPath.toStdString()});
    EXPECT_TRUE(LanFrm->isVisible());
    EXPECT_FALSE(MainForm->isEnabled());
    expectEveryRow(std::nullopt);
}

TEST_F(LanguageTest, theOptionsRadioButtonsShowAndChooseTheLanguage) {
    auto* english = &child<QRadioButton>(*Options, "RadioButton1");
    auto* russian = &child<QRadioButton>(*Options, "RadioButton2");
    MainForm->runCommand(cmd::Options);
    settle();
    ASSERT_TRUE(Options->isVisible());
    EXPECT_TRUE(russian->isChecked()); // as built

    QTest::mouseClick(english, Qt::LeftButton);
    settle();
    EXPECT_EQ(textOf("N18"), QStringLiteral("About"));
    EXPECT_EQ(settings(), "[Language]\r\nInstalled=English\r\n");
    EXPECT_TRUE(english->isChecked());
    EXPECT_EQ(english->text(), QString::fromUtf8("Английский")); // the window keeps its texts
    EXPECT_EQ(Options->windowTitle(), QString::fromUtf8("Настройки"));
    click("N35");
    EXPECT_TRUE(russian->isChecked());
    EXPECT_FALSE(english->isChecked());

    removeSettings();
    makeSettingsUnwritable();
    QTest::mouseClick(english, Qt::LeftButton);
    settle();
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_TRUE(russian->isChecked()); // the choice did not take
    EXPECT_EQ(textOf("N18"), QString::fromUtf8("О программе"));
}

struct Stored {
    const char* name;
    std::optional<std::string> value;
    const char* n18; // what the first tick leaves on "О программе"
    bool chooser;
};

class FirstTickLanguage : public LanguageTest, public ::testing::WithParamInterface<Stored> {};

TEST_P(FirstTickLanguage, appliesOnlyAnExactValue) {
    const Stored& stored = GetParam();
    if (stored.value)
        storeSettings("[Language]\r\nInstalled=" + *stored.value + "\r\n");
    emit MainForm->firstTick();
    settle();
    EXPECT_EQ(textOf("N18"), QString::fromUtf8(stored.n18));
    EXPECT_EQ(LanFrm->isVisible(), stored.chooser);
    EXPECT_EQ(MainForm->isEnabled(), !stored.chooser);
    const std::string untouched =
        stored.value ? "[Language]\r\nInstalled=" + *stored.value + "\r\n" : "<none>";
    EXPECT_EQ(settings(), untouched);
}

INSTANTIATE_TEST_SUITE_P(Values, FirstTickLanguage,
                         ::testing::Values(Stored{"None", "None", "&О...", true},
                                           Stored{"Russian", "Russian", "О программе", false},
                                           Stored{"English", "English", "About", false},
                                           Stored{"lowerCase", "english", "&О...", false},
                                           Stored{"empty", "", "&О...", false},
                                           Stored{"missing", std::nullopt, "&О...", false}),
                         [](const ::testing::TestParamInfo<Stored>& p) { return p.param.name; });

} // namespace
} // namespace quolan
