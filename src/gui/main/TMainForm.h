#pragma once

#include "core/editor/EditorModel.h"
#include "core/editor/Messages.h"
#include "core/spell/HunspellChecker.h"
#include "core/ui/CommandRegistry.h"
#include "core/ui/Shortcuts.h"
#include "gui/shell/QtClipboard.h"
#include "gui/shell/QuestionWindows.h"

#include <QFont>
#include <QMainWindow>

#include <memory>
#include <string_view>
#include <vector>

class QFontDialog;
class QLabel;
class QMenu;
class QTimer;

namespace quolan {

class FindBar;
class InterfaceLanguage;
class MainFormFiles;
class MainFormRecovery;
class MainFormSpelling;
class MainFormTray;
class MemoEdit;
class ShortcutKeys;
class TPreviewFrm;

// The main window `MainForm`: the post in `Memo`, the toolbar, the menus, the
// character counter, and its parts (files, tray, language, recovery,
// spelling). Its controls run commands by id from commands(); the program
// binds them there (the wiring list), the window binds none itself.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // The settings file lives at `settingsPath`; without one, settings are
    // kept in memory for this run only.
    // Recovery copies of an unsaved post are kept in `recoveryFolder`;
    // without one, none are kept or offered.
    // Spelling dictionaries are looked for in `dictionaryFolders`.
    explicit TMainForm(QWidget* parent = nullptr, const QString& settingsPath = {},
                       const QString& recoveryFolder = {},
                       std::span<const std::filesystem::path> dictionaryFolders =
                           spell::systemDictionaryFolders());
    ~TMainForm() override;
    TMainForm(const TMainForm&) = delete;
    TMainForm& operator=(const TMainForm&) = delete;

    EditorModel& editor() { return editor_; }
    ClipboardPort& clipboard() { return clipboard_; }
    CommandRegistry& commands() { return commands_; }
    MemoEdit& memo() const { return *memo_; }
    QMenu& popupMenu(std::string_view name) const;
    // The settings file and the post's files.
    MainFormFiles& files() { return *files_; }
    // The preview window, once the preview command has opened it.
    TPreviewFrm* previewWindow() const { return preview_.get(); }
    // The find and replace bar above the status bar.
    FindBar& findBar() const { return *findBar_; }
    // The interface language commands.
    InterfaceLanguage& language() const { return *language_; }
    // The notification-area icon, its menu and the hidden taskbar button.
    MainFormTray& tray() const { return *tray_; }
    // The recovery copy of an unsaved post, and the window offering it back.
    MainFormRecovery& recovery() const { return *recovery_; }
    // Spelling as the player types.
    MainFormSpelling& spelling() const { return *spelling_; }

    void runCommand(std::string_view command);
    // Shows a failure to the user; tests may take the messages instead.
    void reportError(std::string_view message);
    void setErrorSink(ReportError sink) { errorSink_ = std::move(sink); }

    // The program's question windows, once they exist.
    void useQuestionWindows(QuestionWindows windows);

    // The window's own commands.
    void N31Click(); // editor font
    void N57Click(); // word wrap follows the item's check mark
    void openPreview();
    // A pop-up menu of the window (`PopupMenu1`, `PopupMenu2`) at the mouse.
    void popUpAtCursor(std::string_view menu);
    void MemoChange();
    // "Использовать" of the options window: the tray icon's picture.
    void IcoUseClick(const QString& path);

signals:
    // The first tick of Timer1, about a second after the window is shown.
    void firstTick();
    // The window is closing; the program ends after it.
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    void Timer1Timer();
    void showPostFile();
    // The preview window, made on its first use.
    TPreviewFrm& previewWindowMade();

    EditorModel editor_;
    std::unique_ptr<MainFormFiles> files_;
    InterfaceLanguage* language_ = nullptr;
    MainFormTray* tray_ = nullptr;
    CommandRegistry commands_;
    QtClipboard clipboard_;
    ReportError errorSink_;
    std::vector<ShortcutBinding> keyBindings_;
    std::unique_ptr<ShortcutKeys> keys_;
    MemoEdit* memo_ = nullptr;
    QLabel* len_ = nullptr;
    FindBar* findBar_ = nullptr;
    QLabel* postFile_ = nullptr;
    bool shownModified_ = false;
    QFontDialog* fontDialog_ = nullptr;
    QFont chosenFont_;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    std::unique_ptr<TPreviewFrm> preview_;
    std::unique_ptr<MainFormRecovery> recovery_;
    std::unique_ptr<MainFormSpelling> spelling_;
};

} // namespace quolan
