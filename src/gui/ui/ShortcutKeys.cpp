#include "ShortcutKeys.h"

#include <QKeyEvent>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

namespace quolan {

ShortcutKeys::ShortcutKeys(QWidget& window, const std::vector<ShortcutBinding>& bindings,
                           const RunCommand& run) {
    for (const ShortcutBinding& binding : bindings) {
        const QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(binding.key),
                                                               QKeySequence::PortableText);
        sequences_.append(sequence);
        auto* shortcut = new QShortcut(sequence, &window);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setObjectName(QStringLiteral("key ") + QString::fromStdString(binding.key));
        const std::string_view command = binding.command;
        QPointer<QWidget> guarded(&window);
        const auto fire = [guarded, run, command] {
            if (guarded && guarded->isEnabled() && !command.empty())
                run(command);
        };
        // One key, one command: an ambiguity can only come from Qt's own
        // mnemonics, and the menu key takes precedence over them.
        QObject::connect(shortcut, &QShortcut::activated, &window, fire);
        QObject::connect(shortcut, &QShortcut::activatedAmbiguously, &window, fire);
    }
}

bool ShortcutKeys::owns(const QKeyEvent& event) const {
    const QKeySequence pressed(event.keyCombination());
    return sequences_.contains(pressed);
}

} // namespace quolan
