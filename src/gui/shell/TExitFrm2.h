#pragma once

#include "gui/shell/ConfirmationWindow.h"

#include <functional>

namespace quolan {

// `ExitFrm2`: shown modally when the main window closes over unsaved text.
// There is no way to keep the program running from here.
class TExitFrm2 final : public ConfirmationWindow {
    Q_OBJECT

public:
    TExitFrm2();

    // Waits until the window is left. `save` writes the post and says
    // whether it did.
    void ask(std::function<bool()> save);

    void Button1Click(); // "Сохранить": the window stays open unless written
    void Button2Click(); // "Выйти"

signals:
    // "Выйти": the user leaves the post unsaved on purpose. The close box
    // ends the program too, but says nothing of the sort.
    void leaving();

private:
    std::function<bool()> save_;
};

} // namespace quolan
