#pragma once

#include "TempFolder.h"
#include "gui/app/WiredMainForm.h"
#include "gui/shell/MainFormFiles.h"
#include "gui/shell/TCreateNewFrm.h"
#include "gui/shell/TExitFrm2.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

namespace quolan::testing {

// A main window with its settings file in a folder of its own and the two
// two confirmation windows handed to it; the messages it
// would show are collected instead.
struct FilesFixture : TempFolder {
    explicit FilesFixture(const std::optional<std::string>& settings = std::nullopt) {
        if (settings)
            put("quolan.INI", *settings);
        open();
    }
    ~FilesFixture() { form.reset(); }
    FilesFixture(const FilesFixture&) = delete;
    FilesFixture& operator=(const FilesFixture&) = delete;

    // A new main window on the same settings file, as at the next start.
    void open() {
        form.reset();
        form = std::make_unique<WiredMainForm>(nullptr, settingsPath());
        form->useQuestionWindows({{}, &exitWindow, &createWindow});
        form->setErrorSink([this](std::string_view m) { messages.emplace_back(m); });
        // The tests run the first tick themselves.
        form->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
        QObject::connect(form.get(), &TMainForm::closing, [this] { ++closings; });
    }

    QString settingsPath() const { return dir.filePath(QStringLiteral("quolan.INI")); }

    Document& document() const { return form->files().document(); }
    std::string state() const { return std::string(stateName(document().state())); }
    void type(std::string_view text) const {
        form->editor().edit(form->editor().length(), 0, text);
    }

    TExitFrm2 exitWindow;
    TCreateNewFrm createWindow;
    std::unique_ptr<TMainForm> form;
    std::vector<std::string> messages;
    int closings = 0;
};

// What a file dialog looked like when it opened.
struct DialogSeen {
    QString name;
    QString title;
    QStringList filters;
    QString suffix;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QFileDialog::FileMode fileMode = QFileDialog::ExistingFile;
    bool confirmsOverwrite = true;
    QString prefilled; // the file name it offered, in its folder
    QString folder;
};

// A step that picks a name in a file dialog, or cancels it for an empty one.
inline auto chooseFile(std::string name, DialogSeen* seen = nullptr) {
    return [name, seen](QWidget& modal) {
        auto& dialog = dynamic_cast<QFileDialog&>(modal);
        if (seen) {
            seen->name = dialog.objectName();
            seen->title = dialog.windowTitle();
            seen->filters = dialog.nameFilters();
            seen->suffix = dialog.defaultSuffix();
            seen->mode = dialog.acceptMode();
            seen->fileMode = dialog.fileMode();
            seen->confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
            seen->folder = dialog.directory().absolutePath();
            const auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            seen->prefilled = edit ? edit->text() : QStringLiteral("<no name field>");
        }
        if (name.empty()) {
            dialog.reject();
            return;
        }
        // As the user would: the whole path typed into the name field.
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!edit) {
            dialog.reject();
            return;
        }
        edit->setText(QString::fromStdString(name));
        static_cast<QDialog&>(dialog).accept(); // QFileDialog hides it
    };
}

} // namespace quolan::testing
