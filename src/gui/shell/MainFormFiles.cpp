#include "MainFormFiles.h"

#include "core/document/MemoryFileStore.h"
#include "core/settings/FirstTick.h"
#include "core/settings/WindowSettings.h"
#include "gui/i18n/TLanFrm.h"
#include "gui/shell/FileDrops.h"
#include "gui/shell/FileFormQuestions.h"
#include "gui/shell/OutsideFileQuestions.h"
#include "gui/shell/TCreateNewFrm.h"
#include "gui/shell/TExitFrm2.h"
#include "gui/ui/OuterGeometry.h"
#include "gui/ui/QtText.h"

#include <QAbstractScrollArea>

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

MainFormFiles::MainFormFiles(FilesPorts ports, const QString& settingsPath)
    : settingsFiles_(settingsFilesFor(settingsPath)),
      settings_(*settingsFiles_, settingsPath.isEmpty() ? "quolan.INI" : settingsPath.toStdString(),
                ports.report),
      document_(ports.editor, postFiles_, *this, ports.report), ports_(std::move(ports)) {
    const WindowRect builtIn = outerGeometry(ports_.mainWindow);
    const WindowRect stored = readWindowGeometry(settings_, builtIn);
    const std::vector<WindowRect> screens = screenBounds();
    const std::vector<WindowRect> areas = freeScreenAreas();
    setOuterGeometry(ports_.mainWindow,
                     fitOnScreens(placeOnScreens(stored, builtIn, screens), areas, true));

    new FileDrops(*ports_.editorView.viewport(),
                  [this](const QStringList& paths) { openDroppedFiles(paths); });
}

MainFormFiles::~MainFormFiles() = default;

void MainFormFiles::Timer1Timer() {
    runFirstTick(settings_,
                 {
                     ports_.hideTaskbarButton,
                     [this] { showLanguageChooser(); },
                     ports_.run,
                     [this](const std::string& name) { setEditorFontName(displayText(name)); },
                 });
}

void MainFormFiles::showLanguageChooser() {
    if (questions_.languageChooser)
        questions_.languageChooser->ask();
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
    writeClosingSettings(settings_, outerGeometry(ports_.mainWindow), postText(editorFontName()));
}

void MainFormFiles::openGivenFiles(const QStringList& paths) {
    quolan::openGivenFiles(document_, postPaths(paths), outsideFileWindows(ports_.mainWindow));
}

void MainFormFiles::openDroppedFiles(const QStringList& paths) {
    quolan::openDroppedFiles(document_, postPaths(paths), outsideFileWindows(ports_.mainWindow));
}

QString MainFormFiles::editorFontName() const {
    return ports_.editorView.font().family();
}

void MainFormFiles::setEditorFontName(const QString& name) {
    QFont font = ports_.editorView.font();
    font.setFamily(name);
    ports_.editorView.setFont(font);
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
        ports_.mainWindow, [this] { return document_.saveAs(); }, [this] { document_.startNew(); });
}

ReplaceAnswer MainFormFiles::askBeforeReplacing(const std::string& path) {
    return quolan::askBeforeReplacing(ports_.mainWindow, path);
}

bool MainFormFiles::askOpenNotText(const std::string& path) {
    return quolan::askOpenNotText(ports_.mainWindow, path);
}

EncodingAnswer MainFormFiles::askSaveEncoding(const std::string& path, FileEncoding encoding) {
    return quolan::askSaveEncoding(ports_.mainWindow, path, encoding);
}

} // namespace quolan
