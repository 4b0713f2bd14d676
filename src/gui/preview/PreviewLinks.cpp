#include "PreviewLinks.h"

#include <QDesktopServices>
#include <QUrl>

namespace quolan {

bool openPreviewLink(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return false;
    return QDesktopServices::openUrl(url);
}

} // namespace quolan
