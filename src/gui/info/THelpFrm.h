#pragma once

#include <QWidget>

namespace quolan {

// The help window `HelpFrm`: the licence and the FAQ on two tabs (a manual
// page exists but is never shown). It leaves the main window usable.
class THelpFrm final : public QWidget {
    Q_OBJECT

public:
    THelpFrm();

    // The menu's command and F1 (N66Click): shows the window; one already
    // shown is left as it is.
    void open(QWidget* mainWindow = nullptr);
    void Button1Click();
};

} // namespace quolan
