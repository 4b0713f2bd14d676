#pragma once

#include "core/recovery/RecoveryKeeper.h"
#include "gui/shell/ConfirmationWindow.h"

#include <functional>

class QLabel;

namespace quolan {

// `RecoveryFrm`: offers at start-up a post an earlier run left unsaved.
// "Восстановить" (the default, Enter) brings it back; "Удалить" discards it;
// Escape or the close box keep it for a later start, so that nothing is
// lost by a window closed in haste. Shown over the disabled main window.
class TRecoveryFrm final : public ConfirmationWindow {
    Q_OBJECT

public:
    TRecoveryFrm();

    using Answered = std::function<void(RecoveryAnswer)>;
    // Shows the copy's beginning and file; returns at once and answers once
    // the window is left, however.
    void ask(QWidget& mainWindow, const RecoveryOffer& offer, Answered answered);

    void Button1Click(); // "Восстановить"
    void Button2Click(); // "Удалить"

private:
    void left();

    QLabel* excerpt_ = nullptr;
    Answered answered_;
    RecoveryAnswer answer_ = RecoveryAnswer::Keep;
};

} // namespace quolan
