#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quolan {

// The system clipboard as the post sees it: Windows-1251 text with CR LF.
class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    // False when the clipboard cannot be opened; nothing is written then.
    virtual bool writeText(std::string_view text) = 0;
    // Nothing when the clipboard cannot be opened; an empty text when it holds
    // no text (a picture, or nothing at all).
    virtual std::optional<std::string> readText() = 0;
};

} // namespace quolan
