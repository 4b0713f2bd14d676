#include "TMainForm.h"

#include "core/document/PostFileLabel.h"
#include "core/spell/SpellTexts.h"
#include "core/ui/MenuTables.h"
#include "core/ui/ToolbarTable.h"
#include "gui/editor/AltKeys.h"
#include "gui/editor/MemoEdit.h"
#include "gui/find/FindBar.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "gui/pictures/Pictures.h"
#include "gui/preview/TPreviewFrm.h"
#include "gui/recovery/MainFormRecovery.h"
#include "gui/shell/MainFormFiles.h"
#include "gui/shell/MainFormTray.h"
#include "gui/shell/TExitFrm2.h"
#include "gui/spell/MainFormSpelling.h"
#include "gui/ui/DesktopLinks.h"
#include "gui/ui/MenuBarKeys.h"
#include "gui/ui/MenuBuilder.h"
#include "gui/ui/QtText.h"
#include "gui/ui/ShortcutKeys.h"
#include "gui/ui/ToolbarBuilder.h"
#include "gui/ui/WindowOwners.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QFontDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace quolan {

namespace {
constexpr std::string_view kCaption = "Quolan for Brennow";
constexpr std::string_view kMessageTitle = "Quolan";
constexpr std::string_view kCounterPrefix = "Количество символов: ";
constexpr std::string_view kFontReminder =
    "Напоминаю, что выбранный Вами шрифт в этом меню не влияет на отображение шрифта поста на "
    "форуме. Чтобы изменить шрифт поста на форуме используйте теги [font=][/font] [b][/b] "
    "[i][/i] [u][/u]";
const QRect kBuiltInGeometry(276, 176, 525, 366);

QFont builtInEditorFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSize(8);
    return font;
}
} // namespace

TMainForm::TMainForm(QWidget* parent, const QString& settingsPath, const QString& recoveryFolder,
                     std::span<const std::filesystem::path> dictionaryFolders)
    : QMainWindow(parent), errorSink_([this](std::string_view message) {
          QMessageBox box(QMessageBox::Critical, ui(kMessageTitle), ui(message), QMessageBox::Ok,
                          this);
          box.setObjectName(QStringLiteral("ErrorMessage"));
          // Messages name files, and a file name is no markup.
          box.setTextFormat(Qt::PlainText);
          box.exec();
      }) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(ui(kCaption));
    setWindowIcon(programIcon());
    move(kBuiltInGeometry.topLeft());
    resize(kBuiltInGeometry.size());

    buildWindow();
    ownWindowsBy(*this);
    const RunCommand run = [this](std::string_view command) { runCommand(command); };
    const ReportError report = [this](std::string_view message) { reportError(message); };
    tray_ = new MainFormTray(*this, run, report);
    buildMenus();
    files_ = std::make_unique<MainFormFiles>(
        FilesPorts{*this, editor_, *memo_, report, run, [this] { tray_->hideTaskbarButton(); }},
        settingsPath);
    connect(this, &TMainForm::firstTick, files_.get(), &MainFormFiles::Timer1Timer);
    language_ = new InterfaceLanguage(*this, files_->settings());
    connect(language_, &InterfaceLanguage::languageShown, findBar_, &FindBar::setLanguage);
    tray_->loadStoredIcon(files_->settings());
    auto* spellingItem = findChild<QAction*>(ui(spell::kMenuItem));
    Q_ASSERT(spellingItem);
    spelling_ = std::make_unique<MainFormSpelling>(SpellingPorts{editor_, *memo_, *spellingItem,
                                                                 popupMenu("MemoPopup"), *language_,
                                                                 files_->settings(), report},
                                                   dictionaryFolders);
    // After files_: the first tick applies the stored language before the
    // recovery copies are offered in it.
    recovery_ =
        std::make_unique<MainFormRecovery>(*this, editor_, files_->document(), recoveryFolder);
    connect(this, &TMainForm::firstTick, recovery_.get(), &MainFormRecovery::offerLeftCopies);
    files_->document().fileChanged.connect([this] { showPostFile(); });
    connect(language_, &InterfaceLanguage::languageShown, this, &TMainForm::showPostFile);
    showPostFile();

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(1000);
    connect(timer1_, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    timer1_->start();
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setInterval(100);
    connect(timer2_, &QTimer::timeout, tray_, &MainFormTray::Timer2Timer);
    timer2_->start();
}

TMainForm::~TMainForm() {
    spelling_.reset();
    recovery_.reset();
    preview_.reset();
    // TMainForm.FormDestroy: the icon leaves the notification area.
    delete tray_;
    tray_ = nullptr;
    // The editor widget and the find bar follow editor_, a member that dies
    // before the widgets QWidget's destructor deletes; let them go first.
    delete findBar_;
    findBar_ = nullptr;
    delete memo_;
    memo_ = nullptr;
}

void TMainForm::buildWindow() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    auto* coolBar = new QWidget(central);
    coolBar->setObjectName(QStringLiteral("CoolBar1"));
    coolBar->setFixedHeight(33);
    buildToolbar(*coolBar, mainToolbar(), [this](std::string_view c) { runCommand(c); });
    column->addWidget(coolBar);

    auto* pages = new QTabWidget(central);
    pages->setObjectName(QStringLiteral("PageControl1"));
    auto* textPage = new QWidget(pages);
    textPage->setObjectName(QStringLiteral("TabSheet1"));
    auto* textLayout = new QVBoxLayout(textPage);
    textLayout->setContentsMargins(0, 0, 0, 0);
    memo_ = new MemoEdit(editor_, textPage);
    chosenFont_ = builtInEditorFont();
    memo_->setFont(chosenFont_);
    textLayout->addWidget(memo_);
    // A rich-text twin of the editor that nothing shows or writes.
    auto* memo3 = new QTextEdit(textPage);
    memo3->setObjectName(QStringLiteral("Memo3"));
    memo3->hide();
    memo3->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(memo3, &QTextEdit::customContextMenuRequested, this, [this, memo3](const QPoint& at) {
        memo3->setFocus(Qt::MouseFocusReason);
        popupMenu("MemoPopup").popup(memo3->mapToGlobal(at));
    });
    connect(memo3, &QTextEdit::textChanged, this, &TMainForm::MemoChange);
    pages->addTab(textPage, ui("Текст"));

    auto* previewPage = new QWidget(pages);
    previewPage->setObjectName(QStringLiteral("TabSheet2"));
    auto* previewLayout = new QVBoxLayout(previewPage);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    auto* richEdit = new QTextEdit(previewPage);
    richEdit->setObjectName(QStringLiteral("RichEdit1"));
    previewLayout->addWidget(richEdit);
    pages->addTab(previewPage, ui("Превью"));
    pages->setTabVisible(1, false);
    pages->setCurrentIndex(0);
    pages->tabBar()->setFocusPolicy(Qt::NoFocus); // one page: nothing to choose
    memo_->setFocus();                            // the player types at once
    // Whatever hands the keyboard back to this window hands it to the post.
    setFocusProxy(memo_);
    typeNothingWithAlt(*memo_);
    column->addWidget(pages, 1);
    findBar_ = new FindBar(
        editor_, *memo_, [this](std::string_view message) { reportError(message); }, central);
    column->addWidget(findBar_);
    setCentralWidget(central);

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("CoolBar2"));
    statusBar->setFixedHeight(19);
    statusBar->setSizeGripEnabled(false);
    len_ = new QLabel(statusBar);
    len_->setObjectName(QStringLiteral("Len"));
    statusBar->addWidget(len_);
    postFile_ = new QLabel(statusBar);
    postFile_->setObjectName(QStringLiteral("PostFile"));
    postFile_->setTextFormat(Qt::PlainText);
    statusBar->addWidget(postFile_, 1);
    setStatusBar(statusBar);
    editor_.changed.connect([this](const TextChange&) { MemoChange(); });
    MemoChange();

    fontDialog_ = new QFontDialog(this);
    fontDialog_->setObjectName(QStringLiteral("FontDialog1"));
}

void TMainForm::buildMenus() {
    const RunCommand run = [this](std::string_view command) { runCommand(command); };
    keyBindings_ = resolveShortcuts(mainMenu());

    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    buildMenuBar(*bar, mainMenu(), keyBindings_, run);
    setMenuBar(bar);
    reachMenuBarFromKeyboard(*bar);

    // PopupMenu1 is the tray's: no window owns it.
    const std::pair<const char*, MenuTable> popups[] = {{"MemoPopup", memoPopup()},
                                                        {"PopupMenu2", popupMenu2()}};
    for (const auto& [name, table] : popups) {
        auto* menu = new QMenu(this);
        menu->setObjectName(QString::fromLatin1(name));
        buildPopupMenu(*menu, table, run);
    }
    memo_->setContextMenu(&popupMenu("MemoPopup"));

    keys_ = std::make_unique<ShortcutKeys>(*this, keyBindings_, run);
    memo_->setMenuKeyTest([this](const QKeyEvent& event) { return keys_->owns(event); });
}

void TMainForm::useQuestionWindows(QuestionWindows windows) {
    if (windows.exitQuestion)
        connect(windows.exitQuestion, &TExitFrm2::leaving, recovery_.get(),
                &MainFormRecovery::postAbandoned, Qt::UniqueConnection);
    files_->useQuestionWindows(std::move(windows));
}

void TMainForm::openPreview() {
    quolan::openPreview(previewWindowMade(), *this);
}

TPreviewFrm& TMainForm::previewWindowMade() {
    if (!preview_) {
        // A finding clicked in the preview is selected in the post.
        preview_ = std::make_unique<TPreviewFrm>(
            editor_,
            [this](std::size_t start, std::size_t length) {
                if (start + length > editor_.length())
                    return; // the post changed since the check
                editor_.setSelection(start, length);
                activateWindow();
                memo_->setFocus(Qt::OtherFocusReason);
                memo_->ensureCursorVisible();
            },
            desktopLinks());
        connect(language_, &InterfaceLanguage::languageShown, preview_.get(),
                &TPreviewFrm::relabel);
    }
    return *preview_;
}

QMenu& TMainForm::popupMenu(std::string_view name) const {
    if (name == "PopupMenu1")
        return tray_->menu();
    auto* menu = findChild<QMenu*>(ui(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(menu);
    return *menu;
}

void TMainForm::runCommand(std::string_view command) {
    if (command.empty())
        return;
    commands_.run(command);
    showPostFile(); // a command may set or clear the modified flag alone
    if (recovery_)
        recovery_->commandRan();
}

void TMainForm::reportError(std::string_view message) {
    if (errorSink_)
        errorSink_(message);
}

void TMainForm::MemoChange() {
    len_->setText(ui(kCounterPrefix) + QString::number(editor_.length()));
    if (files_ && editor_.modified() != shownModified_)
        showPostFile();
}

void TMainForm::showPostFile() {
    shownModified_ = editor_.modified();
    const PostFileLabel label = postFileLabel(files_->document(), shownModified_, shownLanguage());
    postFile_->setText(ui(label.text));
    postFile_->setToolTip(ui(label.toolTip));
}

void TMainForm::IcoUseClick(const QString& path) {
    tray_->IcoUseClick(path, files_->settings());
}

void TMainForm::N57Click() {
    const auto* item = findChild<QAction*>(QStringLiteral("N57"));
    const bool wrap = item && item->isChecked();
    memo_->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMainForm::N31Click() {
    QMessageBox reminder(QMessageBox::Information, ui(kMessageTitle), ui(kFontReminder),
                         QMessageBox::Ok, this);
    reminder.setObjectName(QStringLiteral("FontReminder"));
    reminder.setTextFormat(Qt::PlainText);
    reminder.exec();
    // The dialog opens with the font chosen last, not with the editor's.
    fontDialog_->setCurrentFont(chosenFont_);
    if (fontDialog_->exec() != QDialog::Accepted)
        return;
    chosenFont_ = fontDialog_->selectedFont();
    memo_->setFont(chosenFont_);
}

void TMainForm::popUpAtCursor(std::string_view name) {
    const QPoint at = QCursor::pos();
    raise();
    activateWindow();
    popupMenu(name).popup(at);
}

void TMainForm::Timer1Timer() {
    timer1_->stop();
    emit firstTick();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    recovery_->closing();
    files_->FormCloseQuery();
    files_->FormClose();
    recovery_->programEnds();
    emit closing();
    event->accept();
}

} // namespace quolan
