#pragma once

#include "core/editor/EditorModel.h"
#include "core/editor/Messages.h"

#include <span>
#include <string_view>

namespace quolan {

class CommandRegistry;

// A tag that needs no parameter: its command wraps the selection.
struct SimpleTag {
    std::string_view command;
    std::string_view opening;
    std::string_view closing;
};

std::span<const SimpleTag> simpleTags();

// opening + selected text + closing replaces the selection; the caret ends
// after the closing tag. The selected text is taken exactly as it is.
EditorModel::Result wrapSelection(EditorModel& editor, std::string_view opening,
                                  std::string_view closing);

void registerSimpleTagCommands(CommandRegistry& commands, EditorModel& editor,
                               const ReportError& report);

} // namespace quolan
