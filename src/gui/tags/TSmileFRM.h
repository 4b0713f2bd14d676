#pragma once

#include "core/editor/EditorModel.h"
#include "core/editor/Messages.h"
#include "core/tags/SmileyTable.h"

#include <QWidget>

class QTabWidget;

namespace quolan {

// The smiley palette `SmileFRM`: 39 buttons on two pages, each writing its
// code into the post. It lives beside the main window: it never disables it,
// and it keeps working while a dialog has disabled the main window. It never
// takes the keyboard from the editor, so typing goes on after a click.
class TSmileFRM final : public QWidget {
    Q_OBJECT

public:
    TSmileFRM(EditorModel& editor, ReportError report);

    // The menu's command: shows the palette on the page shown last; a palette
    // already shown is left exactly as it is.
    void showPalette(QWidget& mainWindow);

    void smileyClick(const Smiley& smiley);
    void SpeedButton29Click();

private:
    void buildPages();

    EditorModel& editor_;
    ReportError report_;
    QTabWidget* pages_ = nullptr;
};

} // namespace quolan
