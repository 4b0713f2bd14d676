#pragma once

#include "core/editor/EditorModel.h"
#include "core/editor/Messages.h"
#include "core/shell/ClipboardPort.h"

namespace quolan {

class CommandRegistry;

// Copy all, copy selection, paste, select all, undo and the inert key command.
void registerEditCommands(CommandRegistry& commands, EditorModel& editor, ClipboardPort& clipboard,
                          const ReportError& report);

} // namespace quolan
