#include "GuiTestSupport.h"

#include <QTest>
#include <QTimer>

#include <memory>

namespace quolan::testing {

void typeText(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        const QString one(c);
        QTest::sendKeyEvent(QTest::KeyAction::Press, &widget, Qt::Key_unknown, one, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::KeyAction::Release, &widget, Qt::Key_unknown, one,
                            Qt::NoModifier);
    }
}

void whenModalOpens(std::function<void(QWidget& modal)> handle) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    auto shared = std::make_shared<std::function<void(QWidget&)>>(std::move(handle));
    QObject::connect(timer, &QTimer::timeout, timer, [timer, shared] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            (*shared)(*modal);
        }
    });
    timer->start();
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

} // namespace quolan::testing
