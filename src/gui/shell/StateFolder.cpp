#include "StateFolder.h"

#include <QDir>

namespace quolan {

QString userStateFolder() {
    // Qt 6.4 has no standard location for it yet.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/quolan");
}

} // namespace quolan
