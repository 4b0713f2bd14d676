#include "MainFormFiles.h"

#include "core/document/MemoryFileStore.h"
#include "core/settings/FirstTick.h"
#include "core/settings/WindowSettings.h"
#include "gui/editor/MemoEdit.h"
#include "gui/i18n/TLanFrm.h"
#include "gui/main/MainFormTray.h"
#include "gui/main/TMainForm.h"
#include "gui/shell/FileDrops.h"
#include "gui/shell/FileFormQuestions.h"
#include "gui/shell/OutsideFileQuestions.h"
#include "gui/shell/TCreateNewFrm.h"
#include "gui/shell/TExitFrm2.h"
#include "gui/ui/OuterGeometry.h"
#include "gui/ui/QtText.h"

namespace quolan {

namespace {
std::unique_ptr<FileStore> settingsFilesFor(const QString& path) {
    if (path.isEmpty())
        return std::make_unique<MemoryFileStore>();
    return std::make_unique<QtFileStore>(QtFileStore::Fallback::WriteInPlace);
}

std::optional<std::string> toPath(const std::optional<QString>& chosen) {
    if (!chosen)
        return std::nullopt;
    return chosen->toStdString();
}
} // namespace

MainFormFiles::MainFormFiles(TMainForm& form, const QString& settingsPath)
    : form_(form), settingsFiles_(settingsFilesFor(settingsPath)),
      settings_(*settingsFiles_, settingsPath.isEmpty() ? "quolan.INI" : settingsPath.toStdString(),
                [&form](std::string_view message) { form.reportError(message); }),
      document_(form.editor(), postFiles_, *this,
                [&form](std::string_view message) { form.reportError(message); }) {
    const WindowRect builtIn = outerGeometry(form_);
    const WindowRect stored = readWindowGeometry(settings_, builtIn);
    const std::vector<WindowRect> screens = screenBounds();
    const std::vector<WindowRect> areas = freeScreenAreas();
    setOuterGeometry(form_, fitOnScreens(placeOnScreens(stored, builtIn, screens), areas, true));

    connect(&form_, &TMainForm::firstTick, this, &MainFormFiles::Timer1Timer);
    new FileDrops(*form_.memo().viewport(),
                  [this](const QStringList& paths) { openDroppedFiles(paths); });
}

MainFormFiles::~MainFormFiles() = default;

void MainFormFiles::Timer1Timer() {
    runFirstTick(settings_,
                 {
                     [this] { hideTaskbarButton(); },
                     [this] { showLanguageChooser(); },
                     [this](cmd::Id command) { form_.runCommand(command); },
                     [this](const std::string& name) { setEditorFontName(displayText(name)); },
                 });
}

void MainFormFiles::showLanguageChooser() {
    if (questions_.languageChooser)
        questions_.languageChooser->ask();
}

void MainFormFiles::hideTaskbarButton() {
    form_.tray().hideTaskbarButton();
}

void MainFormFiles::FormCloseQuery() {
    // A second close while the confirmation is open just goes on closing.
    if (confirmingExit_ || !questions_.exitQuestion || !document_.needsExitConfirmation())
        return;
    confirmingExit_ = true;
    questions_.exitQuestion->ask([this] { return document_.save(); });
    confirmingExit_ = false;
}

void MainFormFiles::FormClose() {
    if (closed_)
        return;
    closed_ = true;
    writeClosingSettings(settings_, outerGeometry(form_), postText(editorFontName()));
}

void MainFormFiles::openGivenFiles(const QStringList& paths) {
    quolan::openGivenFiles(document_, postPaths(paths), outsideFileWindows(form_));
}

void MainFormFiles::openDroppedFiles(const QStringList& paths) {
    quolan::openDroppedFiles(document_, postPaths(paths), outsideFileWindows(form_));
}

QString MainFormFiles::editorFontName() const {
    return form_.memo().font().family();
}

void MainFormFiles::setEditorFontName(const QString& name) {
    QFont font = form_.memo().font();
    font.setFamily(name);
    form_.memo().setFont(font);
}

std::optional<std::string> MainFormFiles::chooseOpenName(const std::string& current) {
    return toPath(dialogs_.chooseOpenName(QString::fromStdString(current)));
}

std::optional<std::string> MainFormFiles::chooseSaveName(const std::string& current) {
    return toPath(dialogs_.chooseSaveName(QString::fromStdString(current)));
}

void MainFormFiles::confirmNewDocument() {
    if (!questions_.newPostQuestion)
        return;
    questions_.newPostQuestion->ask(
        form_, [this] { return document_.saveAs(); }, [this] { document_.startNew(); });
}

ReplaceAnswer MainFormFiles::askBeforeReplacing(const std::string& path) {
    return quolan::askBeforeReplacing(form_, path);
}

bool MainFormFiles::askOpenNotText(const std::string& path) {
    return quolan::askOpenNotText(form_, path);
}

EncodingAnswer MainFormFiles::askSaveEncoding(const std::string& path, FileEncoding encoding) {
    return quolan::askSaveEncoding(form_, path, encoding);
}

} // namespace quolan
