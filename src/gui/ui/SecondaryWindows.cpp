#include "SecondaryWindows.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace quolan {

namespace {
constexpr char kShelvedProperty[] = "quolanShelved";

// Enables the main window whenever the watched dialog is hidden.
class EnableOnHide final : public QObject {
public:
    EnableOnHide(QWidget& dialog, QWidget& mainWindow) : QObject(&dialog), main_(&mainWindow) {
        setObjectName(QStringLiteral("EnableOnHide"));
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) // shown again, however: closing it counts again
            watched->setProperty(kShelvedProperty, false);
        if (event->type() == QEvent::Hide && main_ && !watched->property(kShelvedProperty).toBool()) {
            main_->setEnabled(true);
            // Back to the main window, so that its keys work at once.
            if (main_->isVisible())
                main_->activateWindow();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> main_;
};

// Secondary windows are top-level windows of their own, so that disabling the
// main window does not disable them; they still stay above it.
void keepAbove(QWidget& window, QWidget& mainWindow) {
    window.winId();
    mainWindow.winId();
    if (window.windowHandle() && mainWindow.windowHandle())
        window.windowHandle()->setTransientParent(mainWindow.windowHandle());
}
} // namespace

void showWhileMainDisabled(QWidget& dialog, QWidget& mainWindow) {
    // By name: findChild by type would match any child, as the watcher has no meta-object.
    if (!dialog.findChild<QObject*>(QStringLiteral("EnableOnHide"), Qt::FindDirectChildrenOnly))
        dialog.installEventFilter(new EnableOnHide(dialog, mainWindow));
    keepAbove(dialog, mainWindow);
    dialog.show();
    mainWindow.setEnabled(false);
    dialog.activateWindow();
    dialog.raise();
}

void showBesideMain(QWidget& window, QWidget& mainWindow) {
    keepAbove(window, mainWindow);
    window.show();
}

void shelveWindow(QWidget& window) {
    window.setProperty(kShelvedProperty, true);
    window.hide();
}

void unshelveWindow(QWidget& window) {
    window.setProperty(kShelvedProperty, false);
    window.show();
}

} // namespace quolan
