#include "MenuBuilder.h"

#include "gui/ui/QtText.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace quolan {

namespace {
constexpr char kKeyTextProperty[] = "quolanKeyText";

void configureItem(QAction& action, const MenuEntry& entry, const QString& keyText,
                   const RunCommand& run) {
    action.setObjectName(ui(entry.name));
    action.setProperty(kKeyTextProperty, keyText);
    setMenuCaption(action, ui(entry.caption));
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
                       const std::vector<ShortcutBinding>* keys, const RunCommand& run) {
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
            index = addEntries(*submenu, table, index + 1, keys, run);
        } else {
            QString keyText;
            if (keys) {
                const std::string key = displayedKey(*keys, entry);
                if (!key.empty())
                    keyText = QKeySequence::fromString(QString::fromStdString(key),
                                                       QKeySequence::PortableText)
                                  .toString(QKeySequence::NativeText);
            }
            auto* action = new QAction(&menu);
            configureItem(*action, entry, keyText, run);
            menu.addAction(action);
            ++index;
        }
    }
    return index;
}
} // namespace

void setMenuCaption(QAction& action, const QString& caption) {
    const QString keyText = action.property(kKeyTextProperty).toString();
    action.setText(keyText.isEmpty() ? caption : caption + QLatin1Char('\t') + keyText);
}

QString menuCaption(const QAction& action) {
    const QString keyText = action.property(kKeyTextProperty).toString();
    const QString text = action.text();
    if (keyText.isEmpty() || !text.endsWith(QLatin1Char('\t') + keyText))
        return text;
    return text.left(text.size() - keyText.size() - 1);
}

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
        index =
            hasChildren(table, index) ? addEntries(*menu, table, index + 1, &keys, run) : index + 1;
    }
}

void buildPopupMenu(QMenu& menu, MenuTable table, const RunCommand& run) {
    if (!table.empty())
        addEntries(menu, table, 0, nullptr, run);
}

} // namespace quolan
