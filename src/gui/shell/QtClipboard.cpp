#include "QtClipboard.h"

#include "gui/ui/QtText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace quolan {

bool QtClipboard::writeText(std::string_view text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    clipboard->setText(toQString(toPlatform(text)));
    return true;
}

std::optional<std::string> QtClipboard::readText() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return std::nullopt;
    const QMimeData* data = clipboard->mimeData();
    if (!data || !data->hasText())
        return std::string();
    return postText(data->text());
}

} // namespace quolan
