#include "WiredMainForm.h"

#include "gui/app/CommandWiring.h"

namespace quolan {

WiredMainForm::WiredMainForm(QWidget* parent, const QString& settingsPath,
                             const QString& recoveryFolder,
                             std::span<const std::filesystem::path> dictionaryFolders)
    : TMainForm(parent, settingsPath, recoveryFolder, dictionaryFolders) {
    wireMainWindow(*this);
}

} // namespace quolan
