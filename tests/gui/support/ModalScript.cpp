#include "ModalScript.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>

namespace quolan::testing {

ModalScript::ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
    timer_.setInterval(10);
    connect(&timer_, &QTimer::timeout, this, &ModalScript::poll);
    timer_.start();
}

void ModalScript::poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == last_) {
        stray_ = nullptr;
        return;
    }
    // A window with no step left may only be on its way out: the event loop
    // of a dialog that a step just closed can still run this timer before the
    // code after it hides the window. Judge it only once it has stayed a while.
    if (steps_.empty()) {
        if (modal != stray_) {
            stray_ = modal;
            straySince_.start();
            return;
        }
        if (straySince_.elapsed() < kStrayGraceMs)
            return;
    }
    stray_ = nullptr;
    if (last_)
        last_->removeEventFilter(this);
    last_ = modal;
    modal->installEventFilter(this);
    if (steps_.empty()) {
        ++unexpected_;
        qWarning("ModalScript: unexpected modal window %s \"%s\"", modal->metaObject()->className(),
                 qPrintable(modal->objectName()));
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    ++handled_;
    // Run outside this timer's tick: a timer does not fire again while its
    // own tick runs, and the step may open a modal window of its own.
    QPointer<QWidget> target = modal;
    QTimer::singleShot(0, this, [target, step = std::move(step)] {
        if (target)
            step(*target);
    });
}

bool ModalScript::eventFilter(QObject* watched, QEvent* event) {
    // Once hidden, the window opens anew when it is next shown.
    if (event->type() == QEvent::Hide && watched == last_) {
        watched->removeEventFilter(this);
        last_ = nullptr;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quolan::testing
