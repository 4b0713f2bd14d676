#include "InfoLinks.h"

#include "gui/ui/QtText.h"

#include <QDesktopServices>

namespace quolan {

namespace {
constexpr std::string_view kSiteHost = "brennow.example.org";
} // namespace

QUrl infoPageUrl(std::string_view path) {
    return QUrl(QStringLiteral("http://") + ui(kSiteHost) + ui(path));
}

QString infoPageText(std::string_view path) {
    return ui(kSiteHost) + ui(path);
}

std::function<void(const QUrl&)> openInfoPage = [](const QUrl& url) {
    QDesktopServices::openUrl(url);
};

} // namespace quolan
