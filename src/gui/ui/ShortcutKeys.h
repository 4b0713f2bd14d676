#pragma once

#include "core/ui/Shortcuts.h"
#include "gui/ui/MenuBuilder.h"

#include <QKeySequence>
#include <QList>

#include <vector>

class QKeyEvent;
class QWidget;

namespace quolan {

// One window-wide shortcut per distinct menu key, each running the command of
// the first menu item that carries the key. Qt's own matching then handles
// keyboard layouts and shifted keys. Keys act only while the window is enabled.
class ShortcutKeys {
public:
    ShortcutKeys(QWidget& window, const std::vector<ShortcutBinding>& bindings,
                 const RunCommand& run);

    // True for a key press that one of the shortcuts owns.
    bool owns(const QKeyEvent& event) const;

private:
    QList<QKeySequence> sequences_;
};

} // namespace quolan
