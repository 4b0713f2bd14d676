#pragma once

#include "core/ui/MenuTables.h"
#include "core/ui/Shortcuts.h"

#include <QString>

#include <functional>
#include <string_view>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace quolan {

using RunCommand = std::function<void(std::string_view command)>;

// Builds menus from their declarations. Each action and menu carries the
// entry's name as its object name; choosing an item runs the entry's command.
// An item's key is its action's shortcut, which the menu shows beside the
// caption, but it never fires: the keys act through ShortcutKeys, so that a
// key works for hidden items too and never fires twice.
void buildMenuBar(QMenuBar& bar, MenuTable table, const std::vector<ShortcutBinding>& keys,
                  const RunCommand& run);
void buildPopupMenu(QMenu& menu, MenuTable table, const RunCommand& run);

} // namespace quolan
