#pragma once

#include "gui/shell/ConfirmationWindow.h"

#include <functional>

namespace quolan {

// `CreateNewFrm`: asked before a new post replaces modified text. Shown
// non-modally while the main window is disabled.
class TCreateNewFrm final : public ConfirmationWindow {
    Q_OBJECT

public:
    TCreateNewFrm();

    // `save` writes the post and says whether it did; `create` starts the
    // new post.
    void ask(QWidget& mainWindow, std::function<bool()> save, std::function<void()> create);

    void Button1Click(); // "Сохранить": the window stays open unless written
    void Button2Click(); // "Создать"
    void Button3Click(); // "Отмена"

private:
    std::function<bool()> save_;
    std::function<void()> create_;
};

} // namespace quolan
