#pragma once

#include "core/ui/MenuTables.h"

#include <string>
#include <string_view>
#include <vector>

namespace quolan {

// A key and the one menu item that receives it.
struct ShortcutBinding {
    std::string key; // canonical form, e.g. "Ctrl+Shift+C"
    std::string_view item;
    std::string_view command;
};

// "shift+ctrl+c" -> "Ctrl+Shift+C": modifiers in a fixed order, key upper-cased.
std::string canonicalKey(std::string_view key);

// Walks the menu depth-first; the first item carrying a key receives it and
// later items with the same key never do. Hidden items and items of hidden
// menus keep their keys. Items' spare keys take part like stored ones.
std::vector<ShortcutBinding> resolveShortcuts(MenuTable menu);

// The key an item should show: the stored key when the item receives it,
// else its spare key when it receives that, else none.
std::string displayedKey(const std::vector<ShortcutBinding>& bindings, const MenuEntry& entry);

} // namespace quolan
