#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <string_view>

namespace quolan {

// The site's pages the about window links to. The one place that knows the
// site's host and how a page reaches the browser: point infoSiteHost and
// openInfoPage at the program's link layer to share its host and its way of
// opening pages.
QUrl infoPageUrl(std::string_view path);
// The address shown as a link's text: host and path, no scheme.
QString infoPageText(std::string_view path);

inline constexpr std::string_view kSiteRootPath = "/";
inline constexpr std::string_view kForumPath = "/forum/";

// The site's host, asked each time the about window opens.
extern std::function<QString()> infoSiteHost;

// Opens a page in the user's browser; replaceable, for tests and for the
// program's link layer.
extern std::function<void(const QUrl&)> openInfoPage;

} // namespace quolan
