#include "TagDialog.h"

#include "core/editor/Messages.h"
#include "gui/ui/DialogFont.h"
#include "gui/ui/OuterGeometry.h"
#include "gui/ui/QtText.h"
#include "gui/ui/SecondaryWindows.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace quolan {

namespace {
// Presses a button when Enter reaches the watched field.
class EnterPresses final : public QObject {
public:
    EnterPresses(QObject& field, QAbstractButton& button) : QObject(&field), button_(button) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                event->accept();
                button_.click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractButton& button_;
};

} // namespace

TagDialog::TagDialog(TagWindowPorts ports, ParameterTag tag, const Frame& frame)
    : QWidget(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      ports_(std::move(ports)), tag_(tag), place_(frame.place) {
    setObjectName(QString::fromLatin1(frame.objectName));
    setWindowTitle(ui(frame.caption));
    setFont(dialogFont());
    setFixedSize(frame.clientSize);
}

void TagDialog::open() {
    beforeShowing();
    place();
    showWhileMainDisabled(*this, ports_.mainWindow);
    place(); // again, now that the window frame is known
    parameterField().setFocus(Qt::OtherFocusReason);
    afterShowing();
}

void TagDialog::place() {
    if (place_) {
        move(*place_);
        keepOnScreen(*this);
        return;
    }
    const QScreen* screen = ports_.mainWindow.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = frameGeometry().size(); // the frame is known once shown
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
    keepOnScreen(*this);
}

void TagDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    parameterField().setFocus(Qt::OtherFocusReason);
}

bool TagDialog::finish(const QString& parameter) {
    const TagOutcome outcome = insertParameterTag(ports_.editor, tag_, postText(parameter));
    close();
    if (outcome == TagOutcome::TooLarge) {
        ports_.report(msg::TextExceedsCapacity);
        return false;
    }
    return true;
}

QLabel& TagDialog::addLabel(const char* objectName, std::string_view text, bool wordWrap) {
    auto* label = new QLabel(ui(text), this);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setWordWrap(wordWrap);
    label->setTextFormat(Qt::PlainText);
    return *label;
}

QVBoxLayout& TagDialog::startColumn(const char* labelName, std::string_view explanation) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(5, 4, 6, 5);
    column->setSpacing(4);
    column->addWidget(&addLabel(labelName, explanation, true));
    column->addStretch(1);
    return *column;
}

void TagDialog::endWithButton(QVBoxLayout& column, QToolButton& button) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(&button);
    column.addLayout(row);
}

QToolButton& TagDialog::addOkButton(const char* objectName, std::string_view text,
                                    std::function<void()> onOk) {
    // Like a speed button: it is clicked, never focused, so the keyboard
    // stays in the parameter field.
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setText(ui(text));
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(button, &QToolButton::clicked, this, std::move(onOk));
    QWidget& field = parameterField();
    field.installEventFilter(new EnterPresses(field, *button));
    return *button;
}

} // namespace quolan
