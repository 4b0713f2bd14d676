#include "Document.h"

#include "core/ui/CommandIds.h"
#include "core/ui/CommandRegistry.h"

namespace quolan {

std::string msg::cannotOpenFile(std::string_view path, std::string_view reason) {
    return "Cannot open file \"" + std::string(path) + "\". " + std::string(reason);
}

std::string msg::cannotCreateFile(std::string_view path, std::string_view reason) {
    return "Cannot create file \"" + std::string(path) + "\". " + std::string(reason);
}

std::string_view stateName(DocumentState state) {
    switch (state) {
    case DocumentState::New:
        return "New";
    case DocumentState::Opened:
        return "Opened";
    case DocumentState::Saved:
        return "Saved";
    }
    return {};
}

Document::Document(EditorModel& editor, FileStore& files, DocumentDialogs& dialogs,
                   ReportError report)
    : editor_(editor), files_(files), dialogs_(dialogs), report_(std::move(report)) {}

void Document::newDocument() {
    if (editor_.modified()) {
        dialogs_.confirmNewDocument();
        return;
    }
    startNew();
}

void Document::startNew() {
    editor_.clear(); // also clears the modified flag
    state_ = DocumentState::New;
}

void Document::open() {
    const std::optional<std::string> chosen = dialogs_.chooseOpenName(openName_);
    if (!chosen)
        return;
    openInPlaceOfText(*chosen);
}

bool Document::openInPlaceOfText(const std::string& path) {
    if (hasUnsavedText()) {
        switch (dialogs_.askBeforeReplacing(path)) {
        case ReplaceAnswer::Cancel:
            return false;
        case ReplaceAnswer::Save:
            if (!save())
                return false;
            break;
        case ReplaceAnswer::Replace:
            break;
        }
    }
    return openNamed(path);
}

bool Document::openNamed(const std::string& path) {
    const FileStore::Read file = files_.read(path, editor_.capacity());
    switch (file.status) {
    case FileStore::Read::Status::Ok:
        break;
    case FileStore::Read::Status::TooLarge:
        report_(msg::TextExceedsCapacity);
        return false;
    case FileStore::Read::Status::Missing:
    case FileStore::Read::Status::Failed:
        report_(msg::cannotOpenFile(path, file.reason));
        return false;
    }
    if (editor_.loadText(file.bytes) == EditorModel::Result::TooLarge) {
        report_(msg::TextExceedsCapacity);
        return false;
    }
    // A file equal to the text leaves the editor alone, but it is opened all
    // the same: unmodified, caret at the start.
    editor_.setModified(false);
    editor_.setSelection(0, 0);
    openName_ = path;
    state_ = DocumentState::Opened;
    return true;
}

bool Document::save() {
    switch (state_) {
    case DocumentState::Saved:
        if (!write(saveName_))
            return false;
        openName_ = saveName_;
        editor_.setModified(false);
        return true;
    case DocumentState::Opened:
        if (!write(openName_))
            return false;
        saveName_ = openName_;
        state_ = DocumentState::Saved;
        editor_.setModified(false);
        return true;
    case DocumentState::New:
        break;
    }
    const std::optional<std::string> chosen = dialogs_.chooseSaveName(saveName_);
    if (!chosen || !write(*chosen))
        return false;
    saveName_ = *chosen;
    openName_ = *chosen;
    editor_.setModified(false);
    state_ = DocumentState::Saved;
    return true;
}

bool Document::saveAs() {
    const std::optional<std::string> chosen = dialogs_.chooseSaveName(saveName_);
    if (!chosen || !write(*chosen))
        return false;
    saveName_ = *chosen;
    state_ = DocumentState::Saved;
    return true;
}

void Document::restoreFile(DocumentState state, std::string openName, std::string saveName) {
    state_ = state;
    openName_ = std::move(openName);
    saveName_ = std::move(saveName);
}

bool Document::hasUnsavedText() const {
    return editor_.modified() && editor_.length() != 0;
}

bool Document::write(const std::string& path) {
    const FileStore::Written written = files_.replace(path, editor_.text());
    if (!written.ok)
        report_(msg::cannotCreateFile(path, written.reason));
    return written.ok;
}

void registerDocumentCommands(CommandRegistry& commands, Document& document) {
    commands.add(cmd::FileNew, [&document] { document.newDocument(); });
    commands.add(cmd::FileOpen, [&document] { document.open(); });
    commands.add(cmd::FileSave, [&document] { document.save(); });
    commands.add(cmd::FileSaveAs, [&document] { document.saveAs(); });
}

} // namespace quolan
