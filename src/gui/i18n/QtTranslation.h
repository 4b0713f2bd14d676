#pragma once

#include "core/i18n/LanguageTable.h"

namespace quolan {

// Qt's own texts (file and font dialogs, message box buttons, the edit
// boxes' context menus) follow the interface: Qt's Russian translation is
// loaded for Russian and dropped for English. False when it was wanted but
// could not be loaded.
bool useQtTranslation(Language language);

} // namespace quolan
