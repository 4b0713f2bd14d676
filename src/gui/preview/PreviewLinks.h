#pragma once

class QUrl;

namespace quolan {

// A link clicked in the preview: opened in the browser when it is an http or
// https address, ignored otherwise. Returns whether it was handed on.
bool openPreviewLink(const QUrl& url);

} // namespace quolan
