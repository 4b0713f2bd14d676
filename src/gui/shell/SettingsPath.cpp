#include "SettingsPath.h"

#include "core/settings/SettingsLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quolan {

QString programSettingsPath() {
    SettingsCandidates candidates;
    const QString beside = QString::fromStdString(
        settingsPathBeside(QCoreApplication::applicationFilePath().toStdString()));
    candidates.besideProgram = beside.toStdString();
    const QFileInfo file(beside);
    candidates.folderWritable = QFileInfo(file.absolutePath()).isWritable();
    candidates.existingWritable = file.exists() && file.isWritable();
    const QString programFolder = QFileInfo(file.absolutePath()).canonicalFilePath();
    for (const QString& system : {QStringLiteral(QUOLAN_INSTALL_BINDIR), QStringLiteral("/usr/bin"),
                                  QStringLiteral("/usr/local/bin")}) {
        if (!programFolder.isEmpty() && programFolder == QFileInfo(system).canonicalFilePath())
            candidates.installedSystemWide = true;
    }

    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    const QString perUser = folder + QStringLiteral("/") + file.fileName();
    candidates.perUser = perUser.toStdString();

    QString chosen = QString::fromStdString(chooseSettingsPath(candidates));
    if (chosen == perUser)
        QDir().mkpath(folder);
    return chosen;
}

} // namespace quolan
