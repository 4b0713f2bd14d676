#include "InfoLinks.h"

#include "gui/ui/QtText.h"

#include <QDesktopServices>

namespace quolan {

std::function<QString()> infoSiteHost = [] { return QStringLiteral("www.brennow.org"); };

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
