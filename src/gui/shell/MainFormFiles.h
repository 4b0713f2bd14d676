#pragma once

#include "core/document/Document.h"
#include "core/editor/Messages.h"
#include "core/settings/IniStore.h"
#include "gui/shell/PostFileDialogs.h"
#include "gui/shell/QtFileStore.h"
#include "gui/shell/QuestionWindows.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QAbstractScrollArea;
class QWidget;

namespace quolan {

class EditorModel;

// What the files work with in the main window.
struct FilesPorts {
    QWidget& mainWindow;             // placed as stored; owns the questions
    EditorModel& editor;             // the post
    QAbstractScrollArea& editorView; // its font is stored; files dropped on it open
    ReportError report;
    std::function<void(std::string_view command)> run; // the stored first-tick commands
    std::function<void()> hideTaskbarButton;
};

// What the main window keeps in files: its settings file (from the window's
// creation to its close) and the post's files, with the confirmations asked
// before a new post and at the close.
class MainFormFiles final : public QObject, private DocumentDialogs {
    Q_OBJECT

public:
    // An empty settings path keeps the settings in memory, for this run only.
    MainFormFiles(FilesPorts ports, const QString& settingsPath);
    ~MainFormFiles() override;
    MainFormFiles(const MainFormFiles&) = delete;
    MainFormFiles& operator=(const MainFormFiles&) = delete;

    IniStore& settings() { return settings_; }
    Document& document() { return document_; }

    const QuestionWindows& questions() const { return questions_; }
    void useQuestionWindows(QuestionWindows windows) { questions_ = std::move(windows); }

    // The close of the main window: the confirmation over unsaved text, which
    // cannot keep the program running, then the settings are written.
    void FormCloseQuery();
    void FormClose();

    // Files named on the command line, opened once the window is up, and
    // files dropped on the editor, which ask first over unsaved text.
    void openGivenFiles(const QStringList& paths);
    void openDroppedFiles(const QStringList& paths);

    // The main window's first tick: the stored settings take effect.
    void Timer1Timer();

    QString editorFontName() const;
    void setEditorFontName(const QString& name);

private:
    void showLanguageChooser();

    std::optional<std::string> chooseOpenName(const std::string& current) override;
    std::optional<std::string> chooseSaveName(const std::string& current) override;
    void confirmNewDocument() override;
    ReplaceAnswer askBeforeReplacing(const std::string& path) override;
    bool askOpenNotText(const std::string& path) override;
    EncodingAnswer askSaveEncoding(const std::string& path, FileEncoding encoding) override;

    std::unique_ptr<FileStore> settingsFiles_;
    IniStore settings_;
    QtFileStore postFiles_;
    PostFileDialogs dialogs_;
    Document document_;
    FilesPorts ports_;
    QuestionWindows questions_;
    bool confirmingExit_ = false;
    bool closed_ = false;
};

} // namespace quolan
