#include "MainFormRecovery.h"

#include "gui/main/MainFormFiles.h"
#include "gui/main/TMainForm.h"
#include "gui/recovery/QtRecoveryStore.h"
#include "gui/recovery/TRecoveryFrm.h"
#include "gui/shell/TExitFrm2.h"

#include <QEvent>
#include <QGuiApplication>

namespace quolan {

MainFormRecovery::MainFormRecovery(TMainForm& form, Document& document, const QString& folder)
    : form_(form), window_(std::make_unique<TRecoveryFrm>()) {
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
    keeper_ = std::make_unique<RecoveryKeeper>(form.editor(), document, *store_, alarm, clock);

    // Connected after the settings' own first tick, so the language is shown first.
    connect(&form_, &TMainForm::firstTick, this, &MainFormRecovery::offerLeftCopies);
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
    if (TExitFrm2* question = form_.files().questions().exitQuestion)
        connect(question, &TExitFrm2::leaving, this, &MainFormRecovery::postAbandoned,
                Qt::UniqueConnection);
}

void MainFormRecovery::programEnds() {
    if (keeper_)
        keeper_->programEnds();
    offerWaits_ = false;
}

void MainFormRecovery::postAbandoned() {
    keeper_->postAbandoned();
}

void MainFormRecovery::offerLeftCopies() {
    if (!keeper_)
        return;
    // The language chooser holds the main window: the offer comes after it.
    if (!form_.isEnabled()) {
        if (!offerWaits_)
            form_.installEventFilter(this);
        offerWaits_ = true;
        return;
    }
    const std::optional<RecoveryOffer> offer = keeper_->nextOffer();
    if (offer)
        window_->ask(form_, *offer, [this](RecoveryAnswer answer) { answered(answer); });
}

void MainFormRecovery::answered(RecoveryAnswer answer) {
    keeper_->answer(answer);
    // A discarded copy may not have been the only one.
    if (answer == RecoveryAnswer::Discard)
        QTimer::singleShot(0, this, &MainFormRecovery::offerLeftCopies);
}

bool MainFormRecovery::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &form_ && event->type() == QEvent::EnabledChange && offerWaits_ &&
        form_.isEnabled()) {
        offerWaits_ = false;
        form_.removeEventFilter(this);
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
