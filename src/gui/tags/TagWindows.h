#pragma once

#include "core/ui/CommandRegistry.h"
#include "gui/app/Windows.h"
#include "gui/editor/TMainForm.h"
#include "gui/tags/FieldDialogs.h"
#include "gui/tags/TColorFrm.h"
#include "gui/tags/TFontFrm.h"
#include "gui/tags/TSizeFrm.h"

namespace quolan {

// Start-up rows of the tag dialogs: each creates its window hidden, sets its
// program-wide reference and registers the command that opens it. The
// command goes through the reference, so it does nothing once the window is
// gone.
template <typename Window, Window*& reference> QWidget* createTagWindow() {
    reference = new Window(*MainForm);
    MainForm->commands().add(parameterTagForm(Window::kTag).command, [] {
        if (reference)
            reference->open();
    });
    return reference;
}

template <typename Window, Window*& reference> void forgetTagWindow() {
    reference = nullptr;
}

} // namespace quolan
