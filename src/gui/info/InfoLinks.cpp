#include "InfoLinks.h"

#include "core/shell/ForumLinks.h"
#include "gui/app/Windows.h"
#include "gui/editor/TMainForm.h"
#include "gui/shell/MainFormFiles.h"
#include "gui/ui/QtText.h"

#include <QDesktopServices>

namespace quolan {

// The same host as the links menu: the settings file's, read anew each time.
std::function<QString()> infoSiteHost = [] {
    return ui(MainForm ? forumHost(MainForm->files().settings()) : std::string(kBuiltInForumHost));
};

QUrl infoPageUrl(std::string_view path) {
    return QUrl(QStringLiteral("http://") + infoSiteHost() + ui(path));
}

QString infoPageText(std::string_view path) {
    return infoSiteHost() + ui(path);
}

std::function<void(const QUrl&)> openInfoPage = [](const QUrl& url) {
    QDesktopServices::openUrl(url);
};

} // namespace quolan
