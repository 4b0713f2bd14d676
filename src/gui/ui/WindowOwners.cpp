#include "WindowOwners.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace quolan {

namespace {
// Windows of their own that a window manager frames; menus, lists and tips
// belong to the window they pop up from already.
bool framedWindow(const QWidget& widget) {
    const Qt::WindowType type = widget.windowType();
    return widget.isWindow() && (type == Qt::Window || type == Qt::Dialog);
}

class WindowOwners final : public QObject {
public:
    explicit WindowOwners(QWidget& mainWindow) : QObject(&mainWindow), main_(mainWindow) {
        setObjectName(QStringLiteral("WindowOwners"));
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType())
            return false;
        auto& window = *static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && &window != &main_ && framedWindow(window))
            shown(window);
        else if (event->type() == QEvent::Hide && window.isWindow())
            hidden(window);
        return false;
    }

private:
    // Before the window is mapped: the window manager reads the owner then.
    void shown(QWidget& window) {
        QWidget* owner = QApplication::activeWindow();
        if (!owner || owner == &window || !owner->isVisible() || !framedWindow(*owner))
            owner = &main_;
        QWindow* handle = window.windowHandle();
        if (handle && !handle->transientParent() && owner->windowHandle())
            handle->setTransientParent(owner->windowHandle());
        if (window.isModal())
            returnTo_.insert(&window, owner);
    }

    void hidden(QWidget& window) {
        const QPointer<QWidget> owner = returnTo_.take(&window);
        if (!owner || !owner->isVisible() || !owner->isEnabled())
            return;
        // A window still blocked by another modal one waits for that one.
        const QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal != owner)
            return;
        owner->activateWindow();
    }

    QWidget& main_;
    QHash<const QWidget*, QPointer<QWidget>> returnTo_;
};
} // namespace

void ownWindowsBy(QWidget& mainWindow) {
    qApp->installEventFilter(new WindowOwners(mainWindow));
}

} // namespace quolan
