#include "PostFileDialogs.h"

#include "gui/ui/QtText.h"

#include <QFileDialog>

#include <string_view>

namespace quolan {

namespace {
struct DialogKind {
    const char* name;
    std::string_view title;
    QFileDialog::AcceptMode mode;
};

constexpr DialogKind kOpenDialog{"OpenDialog1", "Открыть запись", QFileDialog::AcceptOpen};
constexpr DialogKind kSaveDialog{"SaveDialog1", "Сохранить запись", QFileDialog::AcceptSave};
constexpr std::string_view kFilter = "Текстовой документ (*.txt)";
constexpr std::string_view kDefaultSuffix = "txt";

std::optional<QString> choose(const DialogKind& kind, const QString& current, QString& folder) {
    // No parent: the main window may be disabled while a dialog asks, and
    // it would disable its child dialogs with it.
    QFileDialog dialog(nullptr, ui(kind.title));
    dialog.setObjectName(QString::fromLatin1(kind.name));
    // Qt's own dialog everywhere, so the default suffix and the silent
    // replacing of an existing file hold on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(kind.mode);
    // Opening takes any name; a missing file is reported when it is read.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (kind.mode == QFileDialog::AcceptSave)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(ui(kFilter));
    dialog.setDefaultSuffix(ui(kDefaultSuffix));
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (!current.isEmpty())
        dialog.selectFile(current);

    const bool accepted = dialog.exec() == QDialog::Accepted;
    folder = dialog.directory().absolutePath();
    const QStringList chosen = dialog.selectedFiles();
    if (!accepted || chosen.isEmpty() || chosen.front().isEmpty())
        return std::nullopt;
    return chosen.front();
}
} // namespace

std::optional<QString> PostFileDialogs::chooseOpenName(const QString& current) {
    return choose(kOpenDialog, current, openFolder_);
}

std::optional<QString> PostFileDialogs::chooseSaveName(const QString& current) {
    return choose(kSaveDialog, current, saveFolder_);
}

} // namespace quolan
