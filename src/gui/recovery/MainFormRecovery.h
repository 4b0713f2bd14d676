#pragma once

#include "core/recovery/RecoveryKeeper.h"

#include <QObject>
#include <QTimer>

#include <memory>

class QWidget;

namespace quolan {

class Document;
class EditorModel;
class QtRecoveryStore;
class TRecoveryFrm;

// The main window's recovery copy: kept in the background while the post
// has unsaved changes, offered back at the next start when the program did
// not end by the user's own choice. Owned by the main window, which lets it
// go before its editor.
class MainFormRecovery final : public QObject, private RecoveryClock, private RecoveryAlarm {
    Q_OBJECT

public:
    // An empty folder keeps no copies: the window exists for the language
    // commands, but nothing is written or offered.
    // `mainWindow` owns the offer, which waits while a dialog holds it.
    MainFormRecovery(QWidget& mainWindow, EditorModel& editor, Document& document,
                     const QString& folder);
    ~MainFormRecovery() override;
    MainFormRecovery(const MainFormRecovery&) = delete;
    MainFormRecovery& operator=(const MainFormRecovery&) = delete;

    // After every command of the main window: a save changes no text.
    void commandRan();
    // The main window starts closing: the newest typing goes to the disk
    // before the exit question, whose "Выйти" drops the copy.
    void closing();
    // The close went through: an unsaved post stays kept.
    void programEnds();
    // At the first tick, after the language: the copies earlier runs left.
    void offerLeftCopies();
    // "Выйти" of the exit question: the player gave the unsaved post up.
    void postAbandoned();

    TRecoveryFrm& window() const { return *window_; }
    RecoveryKeeper* keeper() const { return keeper_.get(); }
    QtRecoveryStore* store() const { return store_.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void answered(RecoveryAnswer answer);

    TimePoint now() const override;
    void ringIn(std::chrono::milliseconds delay) override;
    void cancel() override;

    QWidget& mainWindow_;
    std::unique_ptr<TRecoveryFrm> window_;
    QTimer alarm_;
    std::unique_ptr<QtRecoveryStore> store_;
    std::unique_ptr<RecoveryKeeper> keeper_;
    bool offerWaits_ = false; // for the main window to be enabled again
};

} // namespace quolan
