#include "PostFileDialogs.h"

#include "gui/shell/ReplaceFileQuestion.h"
#include "gui/ui/QtText.h"

#include <QFileDialog>
#include <QFileInfo>

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

// Asks before the name chosen replaces a file, and stays open for another
// name when the user keeps the file. The question is ours rather than Qt's,
// so that it speaks the interface's language and shows the name as it is.
class PostFileDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    void accept() override {
        const QStringList chosen = selectedFiles();
        if (acceptMode() == AcceptSave && !chosen.isEmpty()) {
            const QFileInfo file(chosen.front());
            if (file.exists() && !file.isDir() && !askToReplaceFile(*this, chosen.front()))
                return;
        }
        QFileDialog::accept();
    }
};

std::optional<QString> choose(const DialogKind& kind, const QString& current, QString& folder) {
    // No parent: the main window may be disabled while a dialog asks, and
    // it would disable its child dialogs with it. The window that opened it
    // is its owner all the same (WindowOwners.h).
    PostFileDialog dialog(nullptr, ui(kind.title));
    dialog.setObjectName(QString::fromLatin1(kind.name));
    // Qt's own dialog everywhere, so the default suffix and the question
    // before replacing a file hold on every desktop.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(kind.mode);
    // Opening takes any name; a missing file is reported when it is read.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (kind.mode == QFileDialog::AcceptSave)
        dialog.setOption(QFileDialog::DontConfirmOverwrite); // PostFileDialog asks instead
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
