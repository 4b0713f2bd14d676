#pragma once

#include "core/document/FileStore.h"
#include "core/editor/EditorModel.h"
#include "core/editor/Messages.h"

#include <optional>
#include <string>
#include <string_view>

namespace quolan {

class CommandRegistry;

namespace msg {
std::string cannotOpenFile(std::string_view path, std::string_view reason);
std::string cannotCreateFile(std::string_view path, std::string_view reason);
} // namespace msg

// Which of the two remembered names the next save uses.
enum class DocumentState { New, Opened, Saved };
std::string_view stateName(DocumentState state);

// The windows the document commands ask through.
class DocumentDialogs {
public:
    virtual ~DocumentDialogs() = default;
    // The open and the save dialog, pre-filled with the name chosen in them
    // last; nothing when the user cancels.
    virtual std::optional<std::string> chooseOpenName(const std::string& current) = 0;
    virtual std::optional<std::string> chooseSaveName(const std::string& current) = 0;
    // Shows the new-document confirmation, which answers through
    // saveAs() and startNew().
    virtual void confirmNewDocument() = 0;
};

// The post's files: started afresh, opened and saved as Windows-1251 text,
// byte for byte. A failed open or save changes nothing but tells the user.
class Document {
public:
    Document(EditorModel& editor, FileStore& files, DocumentDialogs& dialogs, ReportError report);

    DocumentState state() const { return state_; }
    const std::string& openName() const { return openName_; }
    const std::string& saveName() const { return saveName_; }

    // The new-document command: asks first when the text was modified.
    void newDocument();
    // The new-document confirmation's "Создать".
    void startNew();
    void open();
    // Opens a file named without the dialog (the command line, a drop) just
    // as the open command does; true when it was opened.
    bool openNamed(const std::string& path);
    // The save command; true when the text was written.
    bool save();
    // Save as, also the new-document confirmation's "Сохранить"; true when
    // the text was written. Leaves the modified flag as it was.
    bool saveAs();

    // A post brought back from a recovery copy belongs to the file it had.
    void restoreFile(DocumentState state, std::string openName, std::string saveName);

    // Closing asks only about unsaved text that is not empty.
    bool needsExitConfirmation() const;

private:
    bool write(const std::string& path);

    EditorModel& editor_;
    FileStore& files_;
    DocumentDialogs& dialogs_;
    ReportError report_;
    DocumentState state_ = DocumentState::New;
    std::string openName_;
    std::string saveName_;
};

// New, open, save and save as.
void registerDocumentCommands(CommandRegistry& commands, Document& document);

} // namespace quolan
