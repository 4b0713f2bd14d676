#pragma once

#include "core/editor/EditorModel.h"

namespace quolan {

class CommandRegistry;

// The four transliteration commands (whole text and selection, each
// direction) and the two vB/HTML conversions of the whole text.
void registerConversionCommands(CommandRegistry& commands, EditorModel& editor);

} // namespace quolan
