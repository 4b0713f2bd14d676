#include "PickList.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace quolan {

namespace {
constexpr int kLongestWaitForKeyboardMs = 1000;

int listKey(const QEvent& event) {
    if (event.type() != QEvent::KeyPress && event.type() != QEvent::ShortcutOverride)
        return 0;
    const int key = static_cast<const QKeyEvent&>(event).key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ? key : 0;
}
} // namespace

PickList::PickList(QWidget* parent) : QComboBox(parent) {
    // Installed after the box's own watcher of its list, so it sees keys first.
    view()->installEventFilter(this);
}

void PickList::showPopup() {
    QComboBox::showPopup();
    const int row = findText(currentText(), Qt::MatchExactly);
    QItemSelectionModel* selection = view()->selectionModel();
    if (row < 0) {
        // Nothing equals the text: nothing is highlighted, and nothing is
        // current that a Return could pick unseen.
        selection->clear();
        return;
    }
    const QModelIndex index = model()->index(row, modelColumn(), rootModelIndex());
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    view()->scrollTo(index);
}

void PickList::hidePopup() {
    waitingToDrop_ = false;
    QComboBox::hidePopup();
    // The window system may have handed the window the keyboard while the
    // list was open (a slow one, after the longest wait), which Qt's widgets
    // do not take note of while a list is open: they would go on taking the
    // window beneath for the active one.
    QWidget* owner = window();
    if (!owner->isVisible() || owner->isActiveWindow())
        return;
    if (QGuiApplication::focusWindow() == owner->windowHandle())
        QApplication::setActiveWindow(owner);
    else
        owner->activateWindow();
}

void PickList::dropWhenActive() {
    QWidget* owner = window();
    if (owner->isActiveWindow()) {
        showPopup();
        return;
    }
    if (!waitingToDrop_)
        owner->installEventFilter(this);
    waitingToDrop_ = true;
    // A window system that never hands the keyboard over (or is slow to) still
    // sees the list.
    QTimer::singleShot(kLongestWaitForKeyboardMs, this, &PickList::dropIfWaiting);
}

void PickList::dropIfWaiting() {
    if (!waitingToDrop_)
        return;
    waitingToDrop_ = false;
    window()->removeEventFilter(this);
    if (window()->isVisible())
        showPopup();
}

bool PickList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window() && waitingToDrop_) {
        if (event->type() == QEvent::WindowActivate)
            QTimer::singleShot(0, this, &PickList::dropIfWaiting);
        else if (event->type() == QEvent::Hide)
            waitingToDrop_ = false;
        return QComboBox::eventFilter(watched, event);
    }
    const int key = watched == view() ? listKey(*event) : 0;
    if (key) {
        if (event->type() == QEvent::ShortcutOverride) {
            // Keep the key a key press for the list, where it is handled
            // below, instead of letting the box act on it and pass it on.
            event->accept();
            return true;
        }
        if (key == Qt::Key_Escape)
            hidePopup();
        else
            pickHighlighted();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

void PickList::pickHighlighted() {
    const QModelIndex current = view()->currentIndex();
    const bool highlighted = current.isValid() && view()->selectionModel()->isSelected(current) &&
                             (current.flags() & Qt::ItemIsEnabled);
    hidePopup();
    if (!highlighted)
        return;
    const int row = current.row();
    setCurrentIndex(row);
    if (QLineEdit* edit = lineEdit())
        edit->setText(itemText(row));
    emit activated(row);
    emit textActivated(itemText(row));
}

} // namespace quolan
