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
    encoding_ = FileEncoding::Windows1251;
    encodingSettled_ = false;
    fileChanged.notify();
}

void Document::open() {
    const std::optional<std::string> chosen = dialogs_.chooseOpenName(openName_);
    if (!chosen)
        return;
    openInPlaceOfText(*chosen);
}

bool Document::openInPlaceOfText(const std::string& path) {
    std::optional<DecodedFile> file = readFile(path);
    if (!file || (file->looksBinary && !dialogs_.askOpenNotText(path)))
        return false;
    if (hasUnsavedText()) {
        switch (dialogs_.askBeforeReplacing(path)) {
        case ReplaceAnswer::Cancel:
            return false;
        case ReplaceAnswer::Save:
            if (!save())
                return false;
            // The save may have written this very file.
            if (path == saveName_ && !(file = readFile(path)))
                return false;
            break;
        case ReplaceAnswer::Replace:
            break;
        }
    }
    return load(path, *file);
}

bool Document::openNamed(const std::string& path) {
    const std::optional<DecodedFile> file = readFile(path);
    if (!file || (file->looksBinary && !dialogs_.askOpenNotText(path)))
        return false;
    return load(path, *file);
}

std::optional<DecodedFile> Document::readFile(const std::string& path) {
    FileStore::Read file = files_.read(path, editor_.capacity());
    switch (file.status) {
    case FileStore::Read::Status::Ok:
        return decodeFile(std::move(file.bytes));
    case FileStore::Read::Status::TooLarge:
        report_(msg::TextExceedsCapacity);
        return std::nullopt;
    case FileStore::Read::Status::Missing:
    case FileStore::Read::Status::Failed:
        report_(msg::cannotOpenFile(path, file.reason));
        return std::nullopt;
    }
    return std::nullopt;
}

bool Document::load(const std::string& path, const DecodedFile& file) {
    if (editor_.loadText(file.text) == EditorModel::Result::TooLarge) {
        report_(msg::TextExceedsCapacity);
        return false;
    }
    // A file equal to the text leaves the editor alone, but it is opened all
    // the same: unmodified, caret at the start.
    editor_.setModified(false);
    editor_.setSelection(0, 0);
    openName_ = path;
    state_ = DocumentState::Opened;
    encoding_ = file.encoding;
    encodingSettled_ = false;
    fileChanged.notify();
    return true;
}

bool Document::save() {
    switch (state_) {
    case DocumentState::Saved:
        if (!write(saveName_))
            return false;
        openName_ = saveName_;
        editor_.setModified(false);
        fileChanged.notify();
        return true;
    case DocumentState::Opened:
        if (!write(openName_))
            return false;
        saveName_ = openName_;
        state_ = DocumentState::Saved;
        editor_.setModified(false);
        fileChanged.notify();
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
    fileChanged.notify();
    return true;
}

bool Document::saveAs() {
    const std::optional<std::string> chosen = dialogs_.chooseSaveName(saveName_);
    if (!chosen || !write(*chosen))
        return false;
    saveName_ = *chosen;
    state_ = DocumentState::Saved;
    fileChanged.notify();
    return true;
}

void Document::restoreFile(DocumentState state, std::string openName, std::string saveName,
                           FileEncoding encoding) {
    state_ = state;
    openName_ = std::move(openName);
    saveName_ = std::move(saveName);
    encoding_ = encoding;
    encodingSettled_ = false;
    fileChanged.notify();
}

const std::string& Document::currentName() const {
    static const std::string none;
    switch (state_) {
    case DocumentState::Opened:
        return openName_;
    case DocumentState::Saved:
        return saveName_;
    case DocumentState::New:
        break;
    }
    return none;
}

bool Document::hasUnsavedText() const {
    return editor_.modified() && editor_.length() != 0;
}

// Every save writes the post's encoding, the one the window shows: save as
// too, as a copy of a file made elsewhere is wanted like it. Whether to keep
// it is asked once, on the first save of whatever name.
void Document::settleEncoding(const std::string& path) {
    if (encoding_ == FileEncoding::Windows1251 || encodingSettled_)
        return;
    encodingSettled_ = true;
    if (dialogs_.askSaveEncoding(path, encoding_) == EncodingAnswer::Windows1251) {
        encoding_ = FileEncoding::Windows1251;
        fileChanged.notify();
    }
}

bool Document::write(const std::string& path) {
    settleEncoding(path);
    const FileStore::Written written =
        files_.replace(path, encodeFile(editor_.textView(), encoding_));
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
