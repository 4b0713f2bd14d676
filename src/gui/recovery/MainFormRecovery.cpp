#include "MainFormRecovery.h"

#include "gui/recovery/QtRecoveryStore.h"
#include "gui/recovery/TRecoveryFrm.h"

#include <QEvent>
#include <QGuiApplication>

namespace quolan {

MainFormRecovery::MainFormRecovery(QWidget& mainWindow, EditorModel& editor, Document& document,
                                   const QString& folder)
    : mainWindow_(mainWindow), window_(std::make_unique<TRecoveryFrm>()) {
    setObjectName(QStringLiteral("Recovery"));
    if (folder.isEmpty())
        return;
    // One shot per pause in typing; nothing runs while the post rests.
    alarm_.setSingleShot(true);
    alarm_.setTimerType(Qt::CoarseTimer);
    connect(&alarm_, &QTimer::timeout, this, [this] { keeper_->alarmRang(); });
    store_ = std::make_unique<QtRecoveryStore>(folder);
    RecoveryAlarm& alarm = *this;
    const RecoveryClock& clock = *this;
    keeper_ = std::make_unique<RecoveryKeeper>(editor, document, *store_, alarm, clock);
    // The session manager may end the program without asking anything.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] {
        keeper_->writePendingNow();
        store_->finishOwn();
    });
}

MainFormRecovery::~MainFormRecovery() {
    // The keeper leaves the editor before the store it writes through goes.
    keeper_.reset();
    store_.reset();
}

void MainFormRecovery::commandRan() {
    if (keeper_)
        keeper_->documentMayHaveChanged();
}

void MainFormRecovery::closing() {
    if (!keeper_)
        return;
    keeper_->writePendingNow();
}

void MainFormRecovery::programEnds() {
    if (keeper_)
        keeper_->programEnds();
    offerWaits_ = false;
}

void MainFormRecovery::postAbandoned() {
    if (keeper_)
        keeper_->postAbandoned();
}

void MainFormRecovery::offerLeftCopies() {
    if (!keeper_)
        return;
    // The language chooser holds the main window: the offer comes after it.
    if (!mainWindow_.isEnabled()) {
        if (!offerWaits_)
            mainWindow_.installEventFilter(this);
        offerWaits_ = true;
        return;
    }
    const std::optional<RecoveryOffer> offer = keeper_->nextOffer();
    if (offer)
        window_->ask(mainWindow_, *offer, [this](RecoveryAnswer answer) { answered(answer); });
}

void MainFormRecovery::answered(RecoveryAnswer answer) {
    keeper_->answer(answer);
    // A discarded copy may not have been the only one.
    if (answer == RecoveryAnswer::Discard)
        QTimer::singleShot(0, this, &MainFormRecovery::offerLeftCopies);
}

bool MainFormRecovery::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &mainWindow_ && event->type() == QEvent::EnabledChange && offerWaits_ &&
        mainWindow_.isEnabled()) {
        offerWaits_ = false;
        mainWindow_.removeEventFilter(this);
        QTimer::singleShot(0, this, &MainFormRecovery::offerLeftCopies);
    }
    return QObject::eventFilter(watched, event);
}

RecoveryClock::TimePoint MainFormRecovery::now() const {
    return std::chrono::steady_clock::now();
}

void MainFormRecovery::ringIn(std::chrono::milliseconds delay) {
    alarm_.start(delay);
}

void MainFormRecovery::cancel() {
    alarm_.stop();
}

} // namespace quolan
