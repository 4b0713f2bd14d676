#pragma once

#include "core/document/FileStore.h"
#include "core/editor/EditorModel.h"
#include "core/editor/Messages.h"
#include "core/text/FileEncoding.h"
#include "core/util/Signal.h"

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

// The answer to the question asked before a file replaces unsaved text.
enum class ReplaceAnswer { Save, Replace, Cancel };

// Asked before the first save of a post read as UTF-8 or UTF-16.
enum class EncodingAnswer { KeepOwn, Windows1251 };

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
    // Asked before the file at `path` replaces unsaved text.
    virtual ReplaceAnswer askBeforeReplacing(const std::string& path) = 0;
    // Asked before a file that holds no text (NUL bytes, control
    // characters) is opened; true opens it. Without a window: never.
    virtual bool askOpenNotText(const std::string& /*path*/) { return false; }
    // Asked once, before the first save writes a post read in `encoding`.
    // Without a window the post keeps it.
    virtual EncodingAnswer askSaveEncoding(const std::string& /*path*/, FileEncoding /*encoding*/) {
        return EncodingAnswer::KeepOwn;
    }
};

// The post's files: started afresh, opened and saved. Posts are Windows-1251
// text, byte for byte; a file read as UTF-8 or UTF-16 is written back so
// unless the first save's question chose the code page. A failed open or
// save changes nothing but tells the user.
class Document {
public:
    Document(EditorModel& editor, FileStore& files, DocumentDialogs& dialogs, ReportError report);

    DocumentState state() const { return state_; }
    const std::string& openName() const { return openName_; }
    const std::string& saveName() const { return saveName_; }
    // What saves write: the encoding the file was read in, or the code page.
    FileEncoding encoding() const { return encoding_; }
    // The file the post belongs to now; empty for a new post.
    const std::string& currentName() const;

    // The new-document command: asks first when the text was modified.
    void newDocument();
    // The new-document confirmation's "Создать".
    void startNew();
    // The open command: the name is chosen first, then, over unsaved text,
    // the question names the file that would replace it.
    void open();
    // Opens a file named without the dialog (the command line, a drop) just
    // as the open command does; true when it was opened.
    bool openNamed(const std::string& path);
    // Opens `path` in place of the text, asking first when the text is
    // unsaved. "Save" saves as the save command does and opens only when the
    // text was written. True when it was opened.
    bool openInPlaceOfText(const std::string& path);
    // The save command; true when the text was written.
    bool save();
    // Save as, also the new-document confirmation's "Сохранить"; true when
    // the text was written. Leaves the modified flag as it was.
    bool saveAs();

    // A post brought back from a recovery copy belongs to the file it had.
    void restoreFile(DocumentState state, std::string openName, std::string saveName,
                     FileEncoding encoding = FileEncoding::Windows1251);

    // Modified text that is not empty: there is something to lose.
    bool hasUnsavedText() const;
    // Closing asks only about unsaved text.
    bool needsExitConfirmation() const { return hasUnsavedText(); }

    // After the state, a name, the encoding or the modified flag changed
    // through this class.
    Signal<> fileChanged;

private:
    std::optional<DecodedFile> readFile(const std::string& path);
    bool load(const std::string& path, const DecodedFile& file);
    void settleEncoding(const std::string& path);
    bool write(const std::string& path);

    EditorModel& editor_;
    FileStore& files_;
    DocumentDialogs& dialogs_;
    ReportError report_;
    DocumentState state_ = DocumentState::New;
    std::string openName_;
    std::string saveName_;
    FileEncoding encoding_ = FileEncoding::Windows1251;
    bool encodingSettled_ = false; // the first save's question is asked once
};

// New, open, save and save as.
void registerDocumentCommands(CommandRegistry& commands, Document& document);

} // namespace quolan
