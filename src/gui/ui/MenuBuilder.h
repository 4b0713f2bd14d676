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
// Keys are shown as text only: the shortcuts themselves are ShortcutKeys', so
// that a key works for hidden items too and never fires twice.
void buildMenuBar(QMenuBar& bar, MenuTable table, const std::vector<ShortcutBinding>& keys,
                  const RunCommand& run);
void buildPopupMenu(QMenu& menu, MenuTable table, const RunCommand& run);

// Sets an item's caption and keeps the key it shows.
void setMenuCaption(QAction& action, const QString& caption);
// The caption an item shows, without its key.
QString menuCaption(const QAction& action);

} // namespace quolan
