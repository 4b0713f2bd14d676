#pragma once

#include "core/text/PlatformText.h"

#include <QString>

#include <string>
#include <string_view>

namespace quolan {

// QString views of the core's UTF-16 strings, and the Qt side of the
// Windows-1251 boundary.

inline QString toQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()),
                   static_cast<qsizetype>(text.size()));
}

inline std::u16string_view toU16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

// Captions and messages of our tables are UTF-8 literals.
inline QString ui(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Post text as the editor document shows it.
inline QString displayText(std::string_view post) {
    QString out(static_cast<qsizetype>(post.size()), Qt::Uninitialized);
    const std::size_t written = toDisplay(post, reinterpret_cast<char16_t*>(out.data()));
    out.truncate(static_cast<qsizetype>(written));
    return out;
}

// Text from a widget, a key press or the clipboard, as post text.
inline std::string postText(const QString& platform) {
    return fromPlatform(toU16(platform));
}

} // namespace quolan
