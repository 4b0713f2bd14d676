#pragma once

#include "gui/main/TMainForm.h"

namespace quolan {

// The main window as the program shows it, and as tests of the main window
// alone build it: every command of its own bound as it is made.
class WiredMainForm final : public TMainForm {
public:
    explicit WiredMainForm(QWidget* parent = nullptr, const QString& settingsPath = {},
                           const QString& recoveryFolder = {},
                           std::span<const std::filesystem::path> dictionaryFolders =
                               spell::systemDictionaryFolders());
};

} // namespace quolan
