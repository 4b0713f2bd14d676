#pragma once

#include "gui/app/Windows.h"
#include "gui/main/TMainForm.h"
#include "gui/tags/FieldDialogs.h"
#include "gui/tags/TColorFrm.h"
#include "gui/tags/TFontFrm.h"
#include "gui/tags/TSizeFrm.h"

namespace quolan {

// Failures of a window beside the main window are shown by the main window.
inline ReportError reportOn(TMainForm& mainWindow) {
    return [&mainWindow](std::string_view message) { mainWindow.reportError(message); };
}

// Start-up rows of the tag dialogs: each creates its window hidden and sets
// its program-wide reference.
template <typename Window, Window*& reference> QWidget* createTagWindow() {
    TMainForm& mainWindow = *MainForm;
    reference = new Window(TagWindowPorts{mainWindow, mainWindow.editor(), reportOn(mainWindow)});
    return reference;
}

template <typename Window, Window*& reference> void forgetTagWindow() {
    reference = nullptr;
}

} // namespace quolan
