#pragma once

#include "core/ui/ToolbarTable.h"
#include "gui/ui/MenuBuilder.h"

#include <span>

class QWidget;

namespace quolan {

// Fills `bar` (a widget with a horizontal layout) with flat buttons that never
// take the keyboard focus, each named, hinted and sized as its entry says.
void buildToolbar(QWidget& bar, std::span<const ToolbarEntry> entries, const RunCommand& run);

} // namespace quolan
