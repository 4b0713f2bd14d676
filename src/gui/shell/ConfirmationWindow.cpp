#include "ConfirmationWindow.h"

#include "gui/ui/OuterGeometry.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SecondaryWindows.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace quolan {

ConfirmationWindow::ConfirmationWindow(const ConfirmationLayout& layout)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
    setObjectName(QString::fromLatin1(layout.name));
    setWindowTitle(ui(layout.caption));
    setFixedSize(layout.clientSize);

    auto* picture = new QToolButton(this);
    picture->setObjectName(QStringLiteral("Picture"));
    picture->setAutoRaise(true);
    picture->setFocusPolicy(Qt::NoFocus);
    picture->setGeometry(layout.picture);
    picture->setIcon(paintedIcon(layout.drawing, {32, 32}));
    picture->setIconSize(layout.picture.size() - QSize(6, 6));

    auto* label = new QLabel(ui(layout.label.caption), this);
    label->setObjectName(QString::fromLatin1(layout.label.name));
    label->setGeometry(layout.label.geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    for (const ConfirmationLayout::Control& control : layout.buttons) {
        auto* button = new QPushButton(ui(control.caption), this);
        button->setObjectName(QString::fromLatin1(control.name));
        button->setGeometry(control.geometry);
        button->setAutoDefault(false);
    }
    // Escape is left to the way the window is shown: the close-time question
    // must not be answered by it.
    pressFocusedButtonOnReturn(*this);
}

QPushButton& ConfirmationWindow::button(const char* name) const {
    auto* found = findChild<QPushButton*>(QString::fromLatin1(name));
    Q_ASSERT(found);
    return *found;
}

void ConfirmationWindow::showEvent(QShowEvent* event) {
    if (const QScreen* desktop = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(desktop->availableGeometry().center());
        move(frame.topLeft());
        keepOnScreen(*this);
    }
    QDialog::showEvent(event);
}

} // namespace quolan
