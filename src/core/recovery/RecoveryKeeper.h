#pragma once

#include "core/document/Document.h"
#include "core/editor/EditorModel.h"
#include "core/recovery/RecoveryStore.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quolan {

// The user's answer to a copy offered at start-up.
enum class RecoveryAnswer { Restore, Discard, Keep };

struct RecoveryOffer {
    std::string name; // the copy's name in the store
    RecoveryCopy copy;
};

// Keeps a recovery copy of the post while it has unsaved changes (it is
// modified and not empty), at most `longest` behind the last change: a copy
// is written once typing pauses for `pause`, or after `longest` of steady
// typing, never on a keystroke. The copy goes when the post is saved or
// emptied, or when the user leaves it at the close; otherwise it stays for
// the next start, which offers it.
class RecoveryKeeper {
public:
    struct Timing {
        std::chrono::milliseconds pause{1000};
        std::chrono::milliseconds longest{2000};
    };

    RecoveryKeeper(EditorModel& editor, Document& document, RecoveryStore& store,
                   RecoveryAlarm& alarm, const RecoveryClock& clock, Timing timing);
    RecoveryKeeper(EditorModel& editor, Document& document, RecoveryStore& store,
                   RecoveryAlarm& alarm, const RecoveryClock& clock)
        : RecoveryKeeper(editor, document, store, alarm, clock, Timing{}) {}
    ~RecoveryKeeper();
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    // The wake-up asked of the alarm has come.
    void alarmRang();
    // The modified flag, the document state or a name may have changed
    // without the text (a save, a command): looked at, a copy made if needed.
    void documentMayHaveChanged();
    // Writes an unsaved change at once rather than after the pause: the
    // program may be about to end (its close, the end of the session).
    void writePendingNow();
    // The program ends with the post as it is: an unsaved post stays kept.
    void programEnds();
    // "Выйти" at the close: the user leaves the post unsaved on purpose.
    void postAbandoned();

    // At start-up: the newest copy a finished run left, or nothing. Nothing
    // is offered over an unsaved post in the editor: restoring would replace it.
    std::optional<RecoveryOffer> nextOffer();
    // Restore and Discard settle the copy offered last; Keep leaves it, and
    // every copy not yet offered, for a later start. After Discard the next
    // copy may be offered.
    void answer(RecoveryAnswer answer);

    bool hasCopy() const { return hasCopy_; }

private:
    bool unsaved() const { return editor_.modified() && editor_.length() != 0; }
    void textChanged();
    void schedule();
    void write();
    void drop();
    bool restore(const RecoveryOffer& offer);
    void releaseAllClaimed();

    EditorModel& editor_;
    Document& document_;
    RecoveryStore& store_;
    RecoveryAlarm& alarm_;
    const RecoveryClock& clock_;
    Timing timing_;
    std::size_t connection_ = 0;

    bool stopped_ = false; // the program ends: nothing more is kept
    bool hasCopy_ = false;
    bool pending_ = false; // an unsaved change the copy does not hold yet
    RecoveryClock::TimePoint firstPending_{};
    RecoveryClock::TimePoint lastChange_{};
    // What the copy says besides the text, to see a save or a name change.
    DocumentState writtenState_ = DocumentState::New;
    std::string writtenOpenName_;
    std::string writtenSaveName_;
    FileEncoding writtenEncoding_ = FileEncoding::Windows1251;

    std::optional<std::vector<std::string>> claimed_; // not yet offered, newest first
    std::optional<RecoveryOffer> offered_;
};

} // namespace quolan
