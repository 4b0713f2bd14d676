#include "DesktopLinks.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace quolan {

namespace {
class DesktopLinks final : public LinkOpener {
protected:
    bool hand(std::string_view address) const override {
        const QUrl url(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())));
        return url.isValid() && QDesktopServices::openUrl(url);
    }
};
} // namespace

const LinkOpener& desktopLinks() {
    static const DesktopLinks links;
    return links;
}

} // namespace quolan
