#include "EditCommands.h"

#include "core/ui/CommandIds.h"
#include "core/ui/CommandRegistry.h"

namespace quolan {

void registerEditCommands(CommandRegistry& commands, EditorModel& editor, ClipboardPort& clipboard,
                          const ReportError& report) {
    // An empty post leaves whatever the clipboard held.
    commands.add(cmd::CopyAll, [&editor, &clipboard, report] {
        if (editor.length() != 0 && !clipboard.writeText(editor.text()))
            report(msg::CannotOpenClipboard);
    });
    // With text present but nothing selected, the clipboard is emptied.
    commands.add(cmd::CopySelection, [&editor, &clipboard, report] {
        if (editor.length() != 0 && !clipboard.writeText(editor.selectedText()))
            report(msg::CannotOpenClipboard);
    });
    commands.add(cmd::Paste, [&editor, &clipboard, report] {
        const std::optional<std::string> text = clipboard.readText();
        if (!text) {
            report(msg::CannotOpenClipboard);
            return;
        }
        if (!text->empty() && editor.replaceSelection(*text) == EditorModel::Result::TooLarge)
            report(msg::TextExceedsCapacity);
    });
    commands.add(cmd::SelectAll, [&editor] { editor.selectAll(); });
    commands.add(cmd::Undo, [&editor] { editor.undo(); });
    // Holds Ctrl+X so that the key never reaches the editor: there is no cut.
    commands.add(cmd::Nothing, [] {});
}

} // namespace quolan
