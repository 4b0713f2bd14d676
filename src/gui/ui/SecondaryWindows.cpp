#include "SecondaryWindows.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace quolan {

namespace {
// Enables the main window whenever the watched dialog is hidden.
class EnableOnHide final : public QObject {
public:
    EnableOnHide(QWidget& dialog, QWidget& mainWindow) : QObject(&dialog), main_(&mainWindow) {
        setObjectName(QStringLiteral("EnableOnHide"));
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && main_)
            main_->setEnabled(true);
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
    // By name: without Q_OBJECT, findChild<EnableOnHide*> would match any child.
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

} // namespace quolan
