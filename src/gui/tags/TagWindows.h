#pragma once

#include "gui/app/Windows.h"
#include "gui/editor/TMainForm.h"
#include "gui/tags/FieldDialogs.h"
#include "gui/tags/TColorFrm.h"
#include "gui/tags/TFontFrm.h"
#include "gui/tags/TSizeFrm.h"

namespace quolan {

// Start-up rows of the tag dialogs: each creates its window hidden and sets
// its program-wide reference.
template <typename Window, Window*& reference> QWidget* createTagWindow() {
    reference = new Window(*MainForm);
    return reference;
}

template <typename Window, Window*& reference> void forgetTagWindow() {
    reference = nullptr;
}

} // namespace quolan
