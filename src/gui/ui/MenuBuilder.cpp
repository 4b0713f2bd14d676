#include "MenuBuilder.h"

#include "gui/ui/QtText.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <functional>

namespace quolan {

namespace {
// A menu item's key is its shortcut only for the menu to show it: Qt never
// triggers the item. Its widget shortcut matches only while the menu bar has
// the focus (after Escape closed a menu opened from the keyboard). Then the
// window's own shortcut matches too, and Qt hands the ambiguous press to one
// of the two in turn; a press handed here goes on to the window's command, as
// ShortcutKeys would run it, so every press runs it exactly once. A press
// while a menu is open reaches no command, as without the shortcut.
class ShownKeyOnly final : public QObject {
public:
    ShownKeyOnly(QAction& action, std::function<void()> press)
        : QObject(&action), press_(std::move(press)) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Shortcut)
            return false;
        if (static_cast<QShortcutEvent*>(event)->isAmbiguous())
            press_();
        return true;
    }

private:
    std::function<void()> press_;
};

void showKey(QAction& action, const QKeySequence& key, std::function<void()> press) {
    action.setShortcutContext(Qt::WidgetShortcut);
    action.setShortcut(key);
    action.installEventFilter(new ShownKeyOnly(action, std::move(press)));
}

void configureItem(QAction& action, const MenuEntry& entry, const QKeySequence& key,
                   const QPointer<QMenuBar>& bar, const RunCommand& run) {
    action.setObjectName(ui(entry.name));
    action.setText(ui(entry.caption));
    if (!key.isEmpty()) {
        // The key's command is this item's: the item shows only a key it receives.
        showKey(action, key, [run, command = entry.command, bar] {
            if (bar && bar->window()->isEnabled())
                run(command);
        });
    }
    if (entry.flags & MenuEntry::Checkable) {
        action.setCheckable(true);
        action.setChecked((entry.flags & MenuEntry::Checked) != 0);
    }
    if (entry.hidden())
        action.setVisible(false);
    if (!entry.command.empty()) {
        const std::string_view command = entry.command;
        QObject::connect(&action, &QAction::triggered, &action, [run, command] { run(command); });
    }
}

// Adds the entries after `index` that nest below it to `menu`; returns the
// index of the first entry that does not.
std::size_t addEntries(QMenu& menu, MenuTable table, std::size_t index,
                       const std::vector<ShortcutBinding>* keys, const QPointer<QMenuBar>& bar,
                       const RunCommand& run) {
    const int depth = table[index].depth;
    while (index < table.size() && table[index].depth == depth) {
        const MenuEntry& entry = table[index];
        if (entry.isSeparator()) {
            menu.addSeparator()->setObjectName(ui(entry.name));
            ++index;
        } else if (hasChildren(table, index)) {
            auto* submenu = new QMenu(ui(entry.caption), &menu);
            submenu->setObjectName(ui(entry.name));
            QAction* opener = menu.addMenu(submenu);
            opener->setObjectName(ui(entry.name));
            if (entry.hidden())
                opener->setVisible(false);
            index = addEntries(*submenu, table, index + 1, keys, bar, run);
        } else {
            QKeySequence key;
            if (keys)
                key = QKeySequence::fromString(QString::fromStdString(displayedKey(*keys, entry)),
                                               QKeySequence::PortableText);
            auto* action = new QAction(&menu);
            configureItem(*action, entry, key, bar, run);
            menu.addAction(action);
            ++index;
        }
    }
    return index;
}
} // namespace

void buildMenuBar(QMenuBar& bar, MenuTable table, const std::vector<ShortcutBinding>& keys,
                  const RunCommand& run) {
    std::size_t index = 0;
    while (index < table.size()) {
        const MenuEntry& entry = table[index];
        auto* menu = new QMenu(ui(entry.caption), &bar);
        menu->setObjectName(ui(entry.name));
        QAction* opener = bar.addMenu(menu);
        opener->setObjectName(ui(entry.name));
        if (entry.hidden())
            opener->setVisible(false);
        index = hasChildren(table, index) ? addEntries(*menu, table, index + 1, &keys, &bar, run)
                                          : index + 1;
    }
}

void buildPopupMenu(QMenu& menu, MenuTable table, const RunCommand& run) {
    if (!table.empty())
        addEntries(menu, table, 0, nullptr, nullptr, run);
}

} // namespace quolan
