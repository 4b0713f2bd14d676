#include "MenuBarKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QShortcut>

namespace quolan {

namespace {
// Opens the bar's first menu; the arrows go on from there.
void openFirstMenu(QMenuBar& bar) {
    QWidget* window = bar.window();
    if (!window->isEnabled() || !window->isActiveWindow() || !bar.isVisible())
        return;
    for (QAction* action : bar.actions()) {
        if (action->isVisible() && action->isEnabled() && action->menu()) {
            bar.setActiveAction(action);
            return;
        }
    }
}

bool onlyAlt(const QKeyEvent& key) {
    return key.key() == Qt::Key_Alt &&
           (key.modifiers() & ~(Qt::AltModifier | Qt::KeypadModifier)) == Qt::NoModifier;
}

// Watches the keys of the bar's window for an Alt pressed and released with
// nothing in between: no other key, no shortcut, no click.
class LoneAlt final : public QObject {
public:
    explicit LoneAlt(QMenuBar& bar) : QObject(&bar), bar_(bar) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (!onlyAlt(key))
                armed_ = false;
            else if (event->type() == QEvent::KeyPress && !key.isAutoRepeat() &&
                     inBarWindow(watched))
                armed_ = true;
            break;
        }
        case QEvent::KeyRelease: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (key.key() == Qt::Key_Alt && armed_ && inBarWindow(watched)) {
                armed_ = false;
                openFirstMenu(bar_);
            }
            break;
        }
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::WindowDeactivate:
            armed_ = false;
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool inBarWindow(QObject* watched) const {
        const auto* widget = qobject_cast<QWidget*>(watched);
        return widget && widget->window() == bar_.window();
    }

    QMenuBar& bar_;
    bool armed_ = false;
};
} // namespace

void reachMenuBarFromKeyboard(QMenuBar& bar) {
    qApp->installEventFilter(new LoneAlt(bar));

    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), bar.window());
    f10->setObjectName(QStringLiteral("key F10"));
    f10->setContext(Qt::WindowShortcut);
    QObject::connect(f10, &QShortcut::activated, &bar, [&bar] { openFirstMenu(bar); });
}

} // namespace quolan
