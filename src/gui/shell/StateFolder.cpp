#include "StateFolder.h"

#include <QDir>

namespace quolan {

QString programStateFolder() {
    // A relative value is not a valid XDG base folder and is ignored.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/quolan"));
}

} // namespace quolan
