#include "TSizeFrm.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quolan {

namespace {
constexpr int kSmallest = 0;
constexpr int kLargest = 10;
constexpr int kFirstSize = 1;
constexpr int kFieldWidth = 49;
} // namespace

TUpDown::TUpDown(int minimum, int maximum, int position, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum),
      position_(std::clamp(position, minimum, maximum)) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(arrow(Qt::UpArrow, +1));
    column->addWidget(arrow(Qt::DownArrow, -1));
    setFocusPolicy(Qt::NoFocus);
}

QToolButton* TUpDown::arrow(Qt::ArrowType type, int by) {
    auto* button = new QToolButton(this);
    button->setObjectName(type == Qt::UpArrow ? QStringLiteral("Up") : QStringLiteral("Down"));
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(15, 11);
    connect(button, &QToolButton::clicked, this, [this, by] { step(by); });
    return button;
}

void TUpDown::step(int by) {
    const int next = std::clamp(position_ + by, minimum_, maximum_);
    if (next == position_)
        return;
    position_ = next;
    emit positionChanged(position_);
}

TSizeFrm::TSizeFrm(const TagWindowPorts& ports)
    : TagDialog(ports, kTag, {"SizeFrm", "Размер шрифта", {236, 81}, QPoint(411, 375)}) {
    QVBoxLayout& column = startColumn("Label1", "Задать масштаб шрифта. Выделенный в редакторе "
                                                "текст будет ограничен тегами [size=][/size]. ");

    edit_ = new QLineEdit(QString::number(kFirstSize), this);
    edit_->setObjectName(QStringLiteral("Edit1"));
    edit_->setReadOnly(true);
    edit_->setFixedWidth(kFieldWidth);
    edit_->installEventFilter(this);
    upDown_ = new TUpDown(kSmallest, kLargest, kFirstSize, this);
    upDown_->setObjectName(QStringLiteral("UpDown1"));
    connect(upDown_, &TUpDown::positionChanged, edit_,
            [this](int position) { edit_->setText(QString::number(position)); });

    QToolButton& ok = addOkButton("SizeOk", "Задать размер", [this] { SizeOkClick(); });
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(edit_);
    row->addWidget(upDown_);
    row->addSpacing(8);
    row->addStretch(1);
    row->addWidget(&ok);
    column.addLayout(row);
}

QWidget& TSizeFrm::parameterField() const {
    return *edit_;
}

void TSizeFrm::beforeShowing() {
    // What the field shows is what OK inserts.
    edit_->setText(QString::number(upDown_->position()));
}

bool TSizeFrm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            event->accept();
            upDown_->step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return TagDialog::eventFilter(watched, event);
}

void TSizeFrm::SizeOkClick() {
    finish(edit_->text());
}

} // namespace quolan
