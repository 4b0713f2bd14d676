#include "InfoLook.h"

#include "gui/ui/OuterGeometry.h"

#include <QFile>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace quolan {

void paintBlackAndLime(QWidget& window) {
    QPalette palette = window.palette();
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, kLime);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void placeCentred(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), window.size());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
        keepOnScreen(window);
    }
}

QPushButton* flatButton(QWidget& parent, const char* name, const QString& text, QRect at) {
    auto* button = new QPushButton(text, &parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFlat(true);
    button->setGeometry(at);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QString resourceText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    // The files end with a line break; the texts do not.
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

void fitLabels(QWidget& window) {
    for (QLabel* label : window.findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (label->pixmap().isNull())
            label->resize(label->sizeHint());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        clicked)
        clicked();
}

Bevel::Bevel(QWidget& parent, const char* name, QRect at, Shape shape)
    : QWidget(&parent), shape_(shape) {
    setObjectName(QString::fromLatin1(name));
    setGeometry(at);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Bevel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor shadow(0x80, 0x80, 0x80);
    const QColor light(Qt::white);
    const int r = width() - 1;
    const int b = height() - 1;
    switch (shape_) {
    case Shape::Box:
        p.setPen(shadow);
        p.drawLine(0, 0, r, 0);
        p.drawLine(0, 0, 0, b);
        p.setPen(light);
        p.drawLine(r, 0, r, b);
        p.drawLine(0, b, r, b);
        break;
    case Shape::RightLine:
        p.setPen(shadow);
        p.drawLine(r - 1, 0, r - 1, b);
        p.setPen(light);
        p.drawLine(r, 0, r, b);
        break;
    case Shape::TopLine:
        p.setPen(shadow);
        p.drawLine(0, 0, r, 0);
        p.setPen(light);
        p.drawLine(0, 1, r, 1);
        break;
    }
}

} // namespace quolan
