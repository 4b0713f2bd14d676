#include "MainFormTray.h"

#include "core/app/StartupSequence.h"
#include "core/i18n/LanguageTable.h"
#include "core/settings/IniStore.h"
#include "core/settings/SettingsKeys.h"
#include "core/shell/ShellTexts.h"
#include "core/ui/MenuTables.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "gui/i18n/LanguageApplier.h"
#include "gui/pictures/Pictures.h"
#include "gui/shell/X11TaskbarHint.h"
#include "gui/ui/MenuBuilder.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SecondaryWindows.h"

#include <QApplication>
#include <QEvent>
#include <QImageReader>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <chrono>

namespace quolan {

namespace {
// Ticks of Timer2 between looks for a notification area that announces
// itself in no X event (one reached over D-Bus).
constexpr int kTrayCheckTicks = 10;

std::int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TrayPress pressOf(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        return TrayPress::Click;
    case QSystemTrayIcon::DoubleClick:
        return TrayPress::DoubleClick;
    case QSystemTrayIcon::Context:
        return TrayPress::RightClick;
    case QSystemTrayIcon::MiddleClick:
        return TrayPress::MiddleClick;
    default:
        return TrayPress::Other;
    }
}

// Back from the minimised state into the one it had before, maximised
// included.
void unminimise(QWidget& form) {
    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
    form.setVisible(true);
}

// The program's own windows besides the main one: those of the start-up table.
bool isProgramWindow(const QWidget& widget) {
    const auto rows = startupRows();
    const std::string name = widget.objectName().toStdString();
    return std::any_of(rows.begin(), rows.end(),
                       [&](const StartupRow& row) { return row.instance == name; });
}
} // namespace

MainFormTray::MainFormTray(QWidget& mainWindow, const RunCommand& run, ReportError report)
    : QObject(&mainWindow), mainWindow_(mainWindow), report_(std::move(report)),
      menu_(std::make_unique<QMenu>()), clicks_(QApplication::doubleClickInterval()) {
    setObjectName(QStringLiteral("MainFormTray"));
    menu_->setObjectName(QStringLiteral("PopupMenu1"));
    buildPopupMenu(*menu_, popupMenu1(), run);
    countMenuAsPartOf(mainWindow_, *menu_);

    icon_ = new QSystemTrayIcon(programIcon(), this);
    icon_->setObjectName(QStringLiteral("RxTrayIcon1"));
    icon_->setToolTip(QString());
    icon_->setContextMenu(menu_.get());
    connect(icon_, &QSystemTrayIcon::activated, this, &MainFormTray::activated);
    icon_->show();

    hint_ = std::make_unique<X11TaskbarHint>(mainWindow_);
    mainWindow_.installEventFilter(this);
}

MainFormTray::~MainFormTray() {
    // The icon leaves the notification area before its menu goes.
    delete icon_;
    icon_ = nullptr;
}

void MainFormTray::activated(QSystemTrayIcon::ActivationReason reason) {
    if (clicks_.restores(pressOf(reason), nowMs()))
        RxTrayIcon1Click();
}

void MainFormTray::RxTrayIcon1Click() {
    if (mainWindow_.isMinimized())
        unminimise(mainWindow_);
    comeBack();
    // A window back on the screen that holds the disabled main window (the
    // about window, or the credits over it) takes the keyboard instead.
    QWidget* front = &mainWindow_;
    if (!mainWindow_.isEnabled() && front_ && front_->isVisible() && front_->isEnabled())
        front = front_;
    front->raise();
    front->activateWindow();
}

void MainFormTray::N71Click() {
    if (mainWindow_.isMinimized())
        leaveScreen(); // windows opened from the icon's menu meanwhile
    else
        mainWindow_.showMinimized(); // the state change takes the others along
}

void MainFormTray::N43Click() {
    if (!mainWindow_.isMinimized()) {
        comeBack();
        return;
    }
    const bool quiet = mainWindow_.testAttribute(Qt::WA_ShowWithoutActivating);
    mainWindow_.setAttribute(Qt::WA_ShowWithoutActivating, true);
    unminimise(mainWindow_);
    mainWindow_.setAttribute(Qt::WA_ShowWithoutActivating, quiet);
    comeBack();
}

void MainFormTray::leaveScreen() {
    front_ = nullptr;
    std::vector<std::string> visible;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget != &mainWindow_ && widget->isVisible() && isProgramWindow(*widget))
            visible.push_back(widget->objectName().toStdString());
    for (const std::string& name : shelf_.putAway(visible))
        if (QWidget* window = programWindow(name))
            shelveWindow(*window);
}

void MainFormTray::comeBack() {
    for (const std::string& name : shelf_.bringBack()) {
        if (QWidget* window = programWindow(name)) {
            unshelveWindow(*window);
            if (window->isEnabled() && !(window->windowFlags() & Qt::WindowDoesNotAcceptFocus))
                front_ = window; // the last one shown lies on top
        }
    }
}

bool MainFormTray::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &mainWindow_) {
        switch (event->type()) {
        case QEvent::WindowStateChange:
            if (mainWindow_.isMinimized())
                leaveScreen();
            else if (shelf_.away())
                comeBack();
            break;
        case QEvent::Hide: // TMainForm.FormHide
            hideTaskbarButton();
            break;
        case QEvent::Show: // a window mapped anew may have lost its state
            hint_->stateMayHaveChanged = true;
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void MainFormTray::Timer2Timer() {
    if (!hint_->available())
        return;
    if (hint_->trayMayHaveChanged || ++ticksSinceTrayCheck_ >= kTrayCheckTicks) {
        hint_->trayMayHaveChanged = false;
        ticksSinceTrayCheck_ = 0;
        trayAvailable_ = QSystemTrayIcon::isSystemTrayAvailable();
    }
    if (!mainWindow_.isVisible())
        return;
    if (hint_->stateMayHaveChanged) {
        hint_->stateMayHaveChanged = false;
        hintSet_ = hint_->read();
    }
    switch (skipTaskbarChange(trayAvailable_, hintSet_)) {
    case HintChange::Set:
        hint_->write(true);
        hintSet_ = true;
        break;
    case HintChange::Clear:
        hint_->write(false);
        hintSet_ = false;
        break;
    case HintChange::None:
        break;
    }
}

void MainFormTray::hideTaskbarButton() {
    hint_->trayMayHaveChanged = true;
    hint_->stateMayHaveChanged = true;
    Timer2Timer();
}

bool MainFormTray::setIconFile(const QString& path) {
    if (path.isEmpty()) {
        icon_->setIcon(programIcon());
        return true;
    }
    QImageReader reader(path);
    if (reader.read().isNull())
        return false;
    const QIcon picture(path);
    if (picture.isNull())
        return false;
    icon_->setIcon(picture);
    return true;
}

} // namespace quolan

namespace quolan {

void MainFormTray::loadStoredIcon(const IniStore& settings) {
    const QString path =
        displayText(settings.readString(setting::TrayIcon.section, setting::TrayIcon.key));
    if (path.isEmpty())
        return;
    iconPath_ = path;
    if (!setIconFile(path))
        QMetaObject::invokeMethod(
            this, [this, path] { reportIconNotLoaded(path); }, Qt::QueuedConnection);
}

void MainFormTray::IcoUseClick(const QString& path, IniStore& settings) {
    if (!setIconFile(path)) {
        reportIconNotLoaded(path);
        return;
    }
    iconPath_ = path;
    settings.writeString(setting::TrayIcon.section, setting::TrayIcon.key, postText(path));
}

void MainFormTray::reportIconNotLoaded(const QString& path) {
    const QString message = shownText(shelltext::TrayIconNotLoaded).arg(path);
    report_(message.toStdString());
}

} // namespace quolan
