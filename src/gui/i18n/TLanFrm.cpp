#include "TLanFrm.h"

#include "core/settings/LanguageSetting.h"
#include "core/settings/SettingsKeys.h"
#include "core/ui/CommandIds.h"
#include "gui/ui/DialogFont.h"
#include "gui/ui/OuterGeometry.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SecondaryWindows.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QToolButton>

namespace quolan {

namespace {
// The chooser speaks both languages at once; none of its texts is switched.
constexpr std::string_view kCaption = "Языковое меню/Language menu";
constexpr QSize kClientSize(377, 76);

struct Control {
    const char* name;
    std::string_view text;
    QRect geometry;
};
constexpr Control kLabel{"Label1", "Выберите язык/Choose language", {8, 6, 361, 17}};
// Left to right.
constexpr Control kButtons[] = {
    {"SpeedButton2", "Русский/Russian", {8, 30, 117, 38}},
    {"SpeedButton3", "Выход", {130, 30, 117, 38}},
    {"SpeedButton1", "English/Английский", {252, 30, 117, 38}},
};

constexpr std::string_view languageCommand(Language language) {
    return language == Language::English ? cmd::LanguageEnglish : cmd::LanguageRussian;
}
} // namespace

TLanFrm::TLanFrm(QWidget& mainWindow, IniStore& settings, RunCommand run)
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint),
      main_(mainWindow), settings_(settings), run_(std::move(run)) {
    setObjectName(QStringLiteral("LanFrm"));
    setWindowTitle(ui(kCaption));
    setFont(dialogFont());
    setFixedSize(kClientSize);

    auto* label = new QLabel(ui(kLabel.text), this);
    label->setObjectName(QString::fromLatin1(kLabel.name));
    label->setGeometry(kLabel.geometry);

    for (const Control& control : kButtons) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(control.name));
        button->setText(ui(control.text));
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setGeometry(control.geometry);
    }
    connect(findChild<QToolButton*>(QStringLiteral("SpeedButton1")), &QToolButton::clicked, this,
            &TLanFrm::SpeedButton1Click);
    connect(findChild<QToolButton*>(QStringLiteral("SpeedButton2")), &QToolButton::clicked, this,
            &TLanFrm::SpeedButton2Click);
    connect(findChild<QToolButton*>(QStringLiteral("SpeedButton3")), &QToolButton::clicked, this,
            &TLanFrm::SpeedButton3Click);
}

void TLanFrm::ask() {
    showWhileMainDisabled(*this, main_);
}

void TLanFrm::SpeedButton1Click() {
    choose(Language::English);
}

void TLanFrm::SpeedButton2Click() {
    choose(Language::Russian);
}

void TLanFrm::SpeedButton3Click() {
    main_.close();
    finish();
}

void TLanFrm::choose(Language language) {
    // A refused write leaves the chooser open and the main window disabled.
    if (!settings_.writeString(setting::Language.section, setting::Language.key,
                               settingValue(language)))
        return;
    run_(languageCommand(language));
    main_.setEnabled(true);
    finish();
}

void TLanFrm::finish() {
    finishing_ = true;
    close();
    finishing_ = false;
}

void TLanFrm::showEvent(QShowEvent* event) {
    if (const QScreen* desktop = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(desktop->availableGeometry().center());
        move(frame.topLeft());
        keepOnScreen(*this);
    }
    QWidget::showEvent(event);
}

void TLanFrm::closeEvent(QCloseEvent* event) {
    // The window manager's close keys would leave the main window disabled
    // with nothing to enable it; only the buttons end the chooser.
    if (finishing_)
        event->accept();
    else
        event->ignore();
}

} // namespace quolan
