#pragma once

#include <QPointer>

namespace quolan {

class TCreateNewFrm;
class TExitFrm2;
class TLanFrm;

// The program's windows that ask the player something on the main window's
// behalf, handed over by the program once they all exist. A main window
// alone (or one whose windows are gone) asks nothing.
struct QuestionWindows {
    QPointer<TLanFrm> languageChooser; // at the first start
    QPointer<TExitFrm2> exitQuestion;  // closing over unsaved text
    QPointer<TCreateNewFrm> newPostQuestion;
};

} // namespace quolan
