#pragma once

#include <span>
#include <string_view>

namespace quolan {

// One line of a menu declaration. A menu is a flat list in display order;
// `depth` nests entries (0: a menu on the bar, or an item of a pop-up menu;
// each level deeper: an item of the entry above it with a smaller depth).
// Reading the list top to bottom is therefore a depth-first walk.
struct MenuEntry {
    enum Flags : unsigned {
        None = 0,
        Hidden = 1u << 0,    // built invisible; its shortcut still works
        Checkable = 1u << 1, // shows a check mark
        Checked = 1u << 2,   // ticked when built
    };

    int depth;
    std::string_view name;    // the control's object name
    std::string_view caption; // as built, "&" included; "-" is a separator line
    std::string_view key{};   // shortcut as stored with the item
    std::string_view command{};
    unsigned flags = None;
    // Our own key for an item whose stored key an earlier item receives.
    std::string_view spareKey{};

    bool isSeparator() const { return caption == "-"; }
    bool hidden() const { return (flags & Hidden) != 0; }
};

using MenuTable = std::span<const MenuEntry>;

MenuTable mainMenu();   // MainMenu1, the menu bar of the main window
MenuTable memoPopup();  // MemoPopup, the editor's context menu
MenuTable popupMenu1(); // PopupMenu1, tray icon and forum links
MenuTable popupMenu2(); // PopupMenu2, whole-text transliteration

// True when entry `index` has entries below it (it is a menu, not an item).
bool hasChildren(MenuTable table, std::size_t index);

} // namespace quolan
