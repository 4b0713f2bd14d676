#include "RecoveryKeeper.h"

#include <algorithm>

namespace quolan {

RecoveryKeeper::RecoveryKeeper(EditorModel& editor, Document& document, RecoveryStore& store,
                               RecoveryAlarm& alarm, const RecoveryClock& clock, Timing timing)
    : editor_(editor), document_(document), store_(store), alarm_(alarm), clock_(clock),
      timing_(timing) {
    connection_ = editor_.changed.connect([this](const TextChange&) { textChanged(); });
}

RecoveryKeeper::~RecoveryKeeper() {
    editor_.changed.disconnect(connection_);
}

// On the keystroke path: a clock reading, and one alarm per pause at most.
void RecoveryKeeper::textChanged() {
    if (stopped_)
        return;
    if (!unsaved()) {
        drop();
        return;
    }
    lastChange_ = clock_.now();
    if (!pending_)
        schedule();
}

void RecoveryKeeper::schedule() {
    pending_ = true;
    firstPending_ = lastChange_ = clock_.now();
    alarm_.ringIn(timing_.pause);
}

void RecoveryKeeper::alarmRang() {
    if (stopped_ || !pending_)
        return;
    if (!unsaved()) {
        drop();
        return;
    }
    const RecoveryClock::TimePoint now = clock_.now();
    const RecoveryClock::TimePoint due =
        std::min(lastChange_ + timing_.pause, firstPending_ + timing_.longest);
    if (now < due) {
        alarm_.ringIn(std::chrono::ceil<std::chrono::milliseconds>(due - now));
        return;
    }
    write();
}

void RecoveryKeeper::documentMayHaveChanged() {
    if (stopped_)
        return;
    if (!unsaved()) {
        drop();
        return;
    }
    if (pending_)
        return; // the coming write takes the state and names as they are then
    const bool sameFile =
        document_.state() == writtenState_ && document_.openName() == writtenOpenName_ &&
        document_.saveName() == writtenSaveName_ && document_.encoding() == writtenEncoding_;
    if (!hasCopy_ || !sameFile)
        schedule();
}

void RecoveryKeeper::writePendingNow() {
    documentMayHaveChanged();
    if (!stopped_ && pending_)
        write();
}

void RecoveryKeeper::programEnds() {
    if (!stopped_)
        writePendingNow();
    stopped_ = true;
    if (offered_) {
        store_.releaseClaimed(offered_->name);
        offered_.reset();
    }
    releaseAllClaimed();
    store_.finishOwn();
}

void RecoveryKeeper::postAbandoned() {
    drop();
    stopped_ = true;
}

void RecoveryKeeper::write() {
    pending_ = false;
    alarm_.cancel();
    writtenState_ = document_.state();
    writtenOpenName_ = document_.openName();
    writtenSaveName_ = document_.saveName();
    writtenEncoding_ = document_.encoding();
    // The one copy of the text made on this thread; encoding and writing
    // happen in the background.
    store_.writeOwn(
        {writtenState_, writtenOpenName_, writtenSaveName_, editor_.text(), writtenEncoding_});
    hasCopy_ = true;
}

void RecoveryKeeper::drop() {
    if (pending_) {
        pending_ = false;
        alarm_.cancel();
    }
    if (hasCopy_) {
        hasCopy_ = false;
        store_.removeOwn();
    }
}

std::optional<RecoveryOffer> RecoveryKeeper::nextOffer() {
    if (stopped_ || offered_)
        return std::nullopt;
    if (unsaved()) {
        releaseAllClaimed();
        return std::nullopt;
    }
    if (!claimed_)
        claimed_ = store_.claimLeftCopies();
    while (!claimed_->empty()) {
        const std::string name = claimed_->front();
        claimed_->erase(claimed_->begin());
        const std::optional<std::string> bytes = store_.readClaimed(name);
        const DecodedCopy decoded = bytes ? decodeRecoveryCopy(*bytes) : DecodedCopy{};
        if (decoded.status == DecodedCopy::Status::Ok && decoded.copy.text.empty()) {
            store_.removeClaimed(name); // holds no post
            continue;
        }
        if (decoded.status != DecodedCopy::Status::Ok) {
            // Left where it is: a later version may read it, a person may
            // still find the text in it.
            store_.releaseClaimed(name);
            continue;
        }
        offered_ = RecoveryOffer{name, decoded.copy};
        return offered_;
    }
    return std::nullopt;
}

void RecoveryKeeper::answer(RecoveryAnswer answer) {
    if (!offered_)
        return;
    const RecoveryOffer offer = std::move(*offered_);
    offered_.reset();
    switch (answer) {
    case RecoveryAnswer::Restore:
        if (!stopped_ && restore(offer)) {
            store_.adoptClaimed(offer.name);
            hasCopy_ = true;
            writtenState_ = offer.copy.state;
            writtenOpenName_ = offer.copy.openName;
            writtenSaveName_ = offer.copy.saveName;
            writtenEncoding_ = offer.copy.encoding;
        } else {
            store_.releaseClaimed(offer.name);
        }
        releaseAllClaimed(); // one post at a time: the others wait for a later start
        return;
    case RecoveryAnswer::Discard:
        store_.removeClaimed(offer.name);
        return;
    case RecoveryAnswer::Keep:
        store_.releaseClaimed(offer.name);
        releaseAllClaimed();
        return;
    }
}

bool RecoveryKeeper::restore(const RecoveryOffer& offer) {
    // Whatever was typed meanwhile is not replaced.
    if (unsaved())
        return false;
    if (editor_.setText(offer.copy.text) == EditorModel::Result::TooLarge)
        return false;
    editor_.setSelection(0, 0);
    editor_.setModified(true);
    document_.restoreFile(offer.copy.state, offer.copy.openName, offer.copy.saveName,
                          offer.copy.encoding);
    return true;
}

void RecoveryKeeper::releaseAllClaimed() {
    if (!claimed_) {
        claimed_.emplace();
        return;
    }
    for (const std::string& name : *claimed_)
        store_.releaseClaimed(name);
    claimed_->clear();
}

} // namespace quolan
