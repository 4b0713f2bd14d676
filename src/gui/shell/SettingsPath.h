#pragma once

#include <QString>

namespace quolan {

// Where this program keeps its settings: "quolan.INI" beside the executable,
// or in the user's configuration folder when the program's folder cannot be
// written (an existing writable file beside the program is kept).
QString programSettingsPath();

} // namespace quolan
