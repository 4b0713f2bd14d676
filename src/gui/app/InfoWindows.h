#pragma once

class QWidget;

namespace quolan {

// Start-up rows of the information windows: each creates its window hidden,
// sets its program-wide reference.
QWidget* createAbout();
QWidget* createCredits();
QWidget* createHistoryFrm();
QWidget* createHelpFrm();

} // namespace quolan
