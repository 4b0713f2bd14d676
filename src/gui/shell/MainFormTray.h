#pragma once

#include "core/editor/Messages.h"
#include "core/shell/TrayBookkeeping.h"
#include "gui/ui/MenuBuilder.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>

#include <memory>

class QMenu;
class QWidget;

namespace quolan {

class IniStore;
class X11TaskbarHint;

// The main window's life in the notification area: the icon `RxTrayIcon1`,
// its menu `PopupMenu1` (also the links button's), the hidden taskbar button
// and the windows that leave the screen and come back together.
class MainFormTray final : public QObject {
    Q_OBJECT

public:
    // The menu's items run their commands through `run`; a picture that
    // cannot be read is told through `report`.
    MainFormTray(QWidget& mainWindow, const RunCommand& run, ReportError report);
    ~MainFormTray() override;
    MainFormTray(const MainFormTray&) = delete;
    MainFormTray& operator=(const MainFormTray&) = delete;

    // The menu has no parent window: one disabled by a dialog would keep it
    // from opening.
    QMenu& menu() const { return *menu_; }
    QSystemTrayIcon& icon() const { return *icon_; }

    void RxTrayIcon1Click(); // back on the screen and in front
    void N71Click();         // every window leaves the screen
    void N43Click();         // back on the screen, not activated
    // Keeps the taskbar button hidden while a notification area exists, and
    // shown while none does. Costs nothing while nothing changed.
    void Timer2Timer();
    void hideTaskbarButton();

    // The picture of the icon: a file Qt reads, or the built-in one for an
    // empty path. False, with the built-in picture kept, when it cannot be read.
    bool setIconFile(const QString& path);
    // The picture stored in the settings file, read at start; a picture that
    // cannot be read is reported once the program runs.
    void loadStoredIcon(const IniStore& settings);
    // "Использовать" of the options window: the picture becomes the icon at
    // once and is stored; one that cannot be read is reported and not stored.
    void IcoUseClick(const QString& path, IniStore& settings);
    const QString& iconPath() const { return iconPath_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activated(QSystemTrayIcon::ActivationReason reason);
    void leaveScreen();
    void comeBack();
    void reportIconNotLoaded(const QString& path);

    QWidget& mainWindow_;
    ReportError report_;
    std::unique_ptr<QMenu> menu_;
    QSystemTrayIcon* icon_ = nullptr;
    std::unique_ptr<X11TaskbarHint> hint_;
    TrayClickFilter clicks_;
    WindowShelf shelf_;
    bool trayAvailable_ = false;
    bool hintSet_ = false;
    int ticksSinceTrayCheck_ = 0;
    QString iconPath_;
    QPointer<QWidget> front_; // the window on top of those brought back
};

} // namespace quolan
