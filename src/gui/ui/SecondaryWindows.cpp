#include "SecondaryWindows.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <QWindow>

namespace quolan {

namespace {
constexpr char kShelvedProperty[] = "quolanShelved";

// Finds a watcher installed earlier, by name: findChild by type would match
// any child, as the watchers have no meta-object.
template <typename Watcher> Watcher* installed(QObject& watched, const char* name) {
    return static_cast<Watcher*>(
        watched.findChild<QObject*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly));
}

bool plainKey(const QKeyEvent& key) {
    return (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// The keyboard rules of a secondary window. Keys reach the window when the
// focused control leaves them alone, so an open list still takes its own
// Escape and Return first.
class WindowKeys final : public QObject {
public:
    static constexpr char kName[] = "WindowKeys";

    WindowKeys(QWidget& window, bool escapeCloses)
        : QObject(&window), window_(window), escapeCloses_(escapeCloses) {
        setObjectName(QString::fromLatin1(kName));
    }

    void setEscapeCloses(bool closes) { escapeCloses_ = closes; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &window_ || event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (!plainKey(key))
            return false;
        if (key.key() == Qt::Key_Escape) {
            // Exactly the close box; a window whose close box means more
            // (ending the program) leaves Escape alone.
            if (escapeCloses_)
                window_.close();
            return true;
        }
        if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
            QWidget* focus = window_.focusWidget();
            if (focus && focus->isEnabled() &&
                (qobject_cast<QPushButton*>(focus) || qobject_cast<QToolButton*>(focus))) {
                static_cast<QAbstractButton*>(focus)->click();
                return true;
            }
        }
        return false;
    }

private:
    QWidget& window_;
    bool escapeCloses_;
};

void giveWindowKeys(QWidget& window, bool escapeCloses) {
    if (auto* keys = installed<WindowKeys>(window, WindowKeys::kName)) {
        keys->setEscapeCloses(escapeCloses);
        return;
    }
    window.installEventFilter(new WindowKeys(window, escapeCloses));
}

// Hands the keyboard back to the main window whenever the watched window is
// hidden, enabling the main window first if the showing disabled it.
class BackToMain final : public QObject {
public:
    static constexpr char kName[] = "BackToMain";

    BackToMain(QWidget& window, QWidget& mainWindow) : QObject(&window), main_(&mainWindow) {
        setObjectName(QString::fromLatin1(kName));
    }

    // Called at every showing: where the keyboard was, and whether the main
    // window is disabled meanwhile.
    void shown(bool disablesMain) {
        disablesMain_ = disablesMain;
        focus_ = main_ ? main_->focusWidget() : nullptr;
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) // shown again, however: closing it counts again
            watched->setProperty(kShelvedProperty, false);
        // A window put away with the main window has not been closed.
        if (event->type() == QEvent::Hide && main_ && static_cast<QWidget*>(watched)->isWindow() &&
            !isShelved(*static_cast<QWidget*>(watched))) {
            if (disablesMain_)
                main_->setEnabled(true);
            if (main_->isVisible()) {
                // Disabling the main window took the keyboard from its controls.
                QWidget* home = focus_ && focus_->isVisible() && focus_->isEnabled() ? focus_.data()
                                                                                     : main_.data();
                home->setFocus(Qt::ActiveWindowFocusReason);
                main_->activateWindow();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> main_;
    QPointer<QWidget> focus_;
    bool disablesMain_ = false;
};

// The window that takes the keyboard for a dialog: the dialog, or while it is
// disabled in turn, the window it opened over itself (the credits over the
// about window).
QWidget* windowOnTop(QWidget& dialog) {
    if (dialog.isEnabled())
        return &dialog;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const QWindow* handle = window->windowHandle();
        if (window->isVisible() && handle && handle->transientParent() == dialog.windowHandle())
            return windowOnTop(*window);
    }
    return nullptr;
}

// While a dialog keeps the main window disabled, the main window passes its
// activation (a click on it, the window manager's switcher) to the dialog,
// as a window blocked by a modal one does.
class ForwardActivation final : public QObject {
public:
    static constexpr char kName[] = "ForwardActivation";

    explicit ForwardActivation(QWidget& mainWindow) : QObject(&mainWindow), main_(mainWindow) {
        setObjectName(QString::fromLatin1(kName));
    }

    void blockedBy(QWidget& dialog) { dialog_ = &dialog; }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool activated =
            event->type() == QEvent::WindowActivate ||
            (event->type() == QEvent::ActivationChange && main_.isActiveWindow());
        if (watched == &main_ && activated && !main_.isEnabled() && dialog_ &&
            dialog_->isVisible()) {
            // After the activation is through, or the window system takes it back.
            QTimer::singleShot(0, dialog_, [dialog = dialog_] {
                QWidget* holder = dialog && dialog->isVisible() ? windowOnTop(*dialog) : nullptr;
                if (holder) {
                    holder->raise();
                    holder->activateWindow();
                }
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget& main_;
    QPointer<QWidget> dialog_;
};

BackToMain& backToMain(QWidget& window, QWidget& mainWindow) {
    if (auto* watcher = installed<BackToMain>(window, BackToMain::kName))
        return *watcher;
    auto* watcher = new BackToMain(window, mainWindow);
    window.installEventFilter(watcher);
    return *watcher;
}

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
    backToMain(dialog, mainWindow).shown(true);
    giveWindowKeys(dialog, true);
    auto* forward = installed<ForwardActivation>(mainWindow, ForwardActivation::kName);
    if (!forward) {
        forward = new ForwardActivation(mainWindow);
        mainWindow.installEventFilter(forward);
    }
    forward->blockedBy(dialog);
    keepAbove(dialog, mainWindow);
    dialog.show();
    mainWindow.setEnabled(false);
    dialog.activateWindow();
    dialog.raise();
}

void showBesideMain(QWidget& window, QWidget& mainWindow) {
    backToMain(window, mainWindow).shown(false);
    giveWindowKeys(window, true);
    keepAbove(window, mainWindow);
    window.show();
}

void pressFocusedButtonOnReturn(QWidget& window) {
    giveWindowKeys(window, false);
}

void shelveWindow(QWidget& window) {
    window.setProperty(kShelvedProperty, true);
    window.hide();
}

void unshelveWindow(QWidget& window) {
    window.setProperty(kShelvedProperty, false);
    // A window manager minimises a window's own windows with it: shown
    // again, they come back on the screen too.
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
}

bool isShelved(const QWidget& window) {
    return window.property(kShelvedProperty).toBool();
}

} // namespace quolan
