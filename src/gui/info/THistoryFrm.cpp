#include "THistoryFrm.h"

#include "core/info/Animation.h"
#include "core/info/InfoTexts.h"
#include "gui/info/InfoLook.h"
#include "gui/ui/QtText.h"

#include <QAction>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTimer>

namespace quolan {

namespace {
constexpr int kTypingMs = 20;
const QString kHistoryPath = QStringLiteral(":/info/history.txt");

QPlainTextEdit* blackScreen(QWidget& parent, const char* name) {
    auto* memo = new QPlainTextEdit(&parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setGeometry(8, 8, 537, 577);
    memo->setReadOnly(true);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setFocusPolicy(Qt::NoFocus);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    memo->setFont(font);
    return memo;
}
} // namespace

THistoryFrm::THistoryFrm(QAction* historyItem) : historyItem_(historyItem) {
    setObjectName(QStringLiteral("HistoryFrm"));
    setWindowTitle(ui(info_text::HistoryCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(560, 637);
    paintBlackAndLime(*this);
    build();
    placeCentred(*this);

    // The slide runs from creation on; while the window is hidden it is
    // reckoned from the clock instead of ticked.
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    now_ = [clock] { return clock->elapsed(); };
    hiddenSince_ = now_();
}

void THistoryFrm::build() {
    memo2_ = blackScreen(*this, "Memo2");
    memo2_->setPlainText(resourceText(kHistoryPath));
    memo2_->hide();
    memo1_ = blackScreen(*this, "Memo1");

    new Bevel(*this, "Bevel1", QRect(8, 592, 545, 37));
    button_ = flatButton(*this, "Button1", ui(info_text::HistoryOk), QRect(16, 600, 73, 22));
    connect(button_, &QPushButton::clicked, this, &THistoryFrm::Button1Click);

    typing_ = new QTimer(this);
    typing_->setObjectName(QStringLiteral("Timer1"));
    typing_->setInterval(kTypingMs);
    connect(typing_, &QTimer::timeout, this, &THistoryFrm::Timer1Timer);
    slideLeft_ = new QTimer(this);
    slideLeft_->setObjectName(QStringLiteral("Timer2"));
    slideRight_ = new QTimer(this);
    slideRight_->setObjectName(QStringLiteral("Timer3"));
    for (QTimer* timer : {slideLeft_, slideRight_}) {
        timer->setInterval(info::kTickMs);
        connect(timer, &QTimer::timeout, this, &THistoryFrm::slideTimer);
    }
}

void THistoryFrm::setClock(std::function<qint64()> now) {
    now_ = std::move(now);
    hiddenSince_ = now_();
}

QString THistoryFrm::historyText() const {
    return memo2_->toPlainText();
}

void THistoryFrm::open() {
    if (isVisible())
        return;
    show();
    raise();
    typing_->start();
    if (historyItem_)
        historyItem_->setEnabled(false);
}

void THistoryFrm::Timer1Timer() {
    const QString text = historyText();
    if (typed_ >= text.size()) {
        typing_->stop();
        return;
    }
    // One character: a surrogate pair is typed whole.
    const qsizetype width = text.at(typed_).isHighSurrogate() && typed_ + 1 < text.size() ? 2 : 1;
    QTextCursor end(memo1_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(text.mid(typed_, width));
    typed_ += width;
    if (typed_ >= text.size())
        typing_->stop();
}

void THistoryFrm::Button1Click() {
    typing_->stop();
    memo1_->clear();
    typed_ = 0;
    if (historyItem_)
        historyItem_->setEnabled(true);
    hide();
}

void THistoryFrm::slideTimer() {
    slide_ = info::slideTick(slide_);
    placeButton();
}

void THistoryFrm::placeButton() {
    button_->move(slide_.left, button_->y());
    // Exactly one of the two timers runs, the one of the slide's direction.
    QTimer* on = slide_.leftward ? slideLeft_ : slideRight_;
    QTimer* off = slide_.leftward ? slideRight_ : slideLeft_;
    off->stop();
    if (isVisible() && !on->isActive())
        on->start();
}

void THistoryFrm::showEvent(QShowEvent* event) {
    const qint64 hidden = std::max<qint64>(0, now_() - hiddenSince_);
    slide_ = info::slideAfter(slide_, static_cast<std::uint64_t>(hidden / info::kTickMs));
    QWidget::showEvent(event);
    placeButton();
}

void THistoryFrm::hideEvent(QHideEvent* event) {
    slideLeft_->stop();
    slideRight_->stop();
    hiddenSince_ = now_();
    QWidget::hideEvent(event);
}

void THistoryFrm::closeEvent(QCloseEvent* event) {
    // The window has no close box; a close from elsewhere (the window
    // manager's key) is its "Ok", so the menu item is never left disabled.
    event->ignore();
    Button1Click();
}

} // namespace quolan
