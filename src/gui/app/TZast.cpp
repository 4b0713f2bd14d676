#include "TZast.h"

#include "gui/pictures/Pictures.h"
#include "gui/ui/QtText.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace quolan {

TZast::TZast(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Zast"));
    setWindowTitle(QStringLiteral("Loading..."));
    setGeometry(341, 315, 430, 91);
    setFixedSize(430, 91);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setGeometry(0, 0, 430, 91);

    auto* title =
        new QLabel(ui("Загружаемся... Пожалуйста ждите... | Loading... Please Wait..."), panel);
    title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont(QStringLiteral("MS Sans Serif"));
    titleFont.setPointSize(8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->move(37, 7);
    title->adjustSize();
    // The face standing in for "MS Sans Serif" may be wider: keep the line whole.
    while (title->geometry().right() > width() - 4 && titleFont.pointSizeF() > 6) {
        titleFont.setPointSizeF(titleFont.pointSizeF() - 0.5);
        title->setFont(titleFont);
        title->adjustSize();
    }

    auto* image = new QLabel(panel);
    image->setObjectName(QStringLiteral("Image"));
    image->setGeometry(8, 24, 57, 57);
    image->setPixmap(programIcon().pixmap(QSize(57, 57), devicePixelRatioF()));
    auto* bevel = new QFrame(panel);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(8, 24, 57, 57);

    auto* edition = new QLabel(QStringLiteral("Quolan 1 Last Edition"), panel);
    edition->setObjectName(QStringLiteral("Label3"));
    QFont editionFont(QStringLiteral("Comic Sans MS"));
    editionFont.setPointSize(7);
    edition->setFont(editionFont);
    edition->move(312, 71);
    edition->adjustSize();

    auto* group = new QGroupBox(ui("Процесс загрузки"), panel);
    group->setObjectName(QStringLiteral("GroupBox1"));
    group->setGeometry(72, 32, 353, 41);
    progress_ = new QProgressBar(group);
    progress_->setObjectName(QStringLiteral("ProgressBar1"));
    progress_->setGeometry(8, 16, 337, 17);
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    log_ = new QPlainTextEdit(group);
    log_->setObjectName(QStringLiteral("Loading"));
    log_->setReadOnly(true);
    log_->setFont(QFont(QStringLiteral("Fixedsys")));
    log_->hide(); // collected, never shown
}

void TZast::setProgress(int position) {
    progress_->setValue(position);
}

void TZast::appendLog(std::string_view line) {
    log_->appendPlainText(ui(line));
}

void TZast::refresh() {
    // No event loop runs yet: paint now, and let the window system show it.
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace quolan
