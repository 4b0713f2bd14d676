#pragma once

#include "core/preview/PostPreview.h"
#include "core/preview/PostTokens.h"

#include <span>
#include <string>
#include <string_view>

namespace quolan::preview {

struct PreviewHtml {
    std::u16string html;
    bool cut = false; // stopped at options.htmlBytes
};

// The paired tokens of the post as HTML for Qt's rich text: a paired Open or
// Close is markup, anything else is printed as it stands.
PreviewHtml writePreviewHtml(std::string_view post, std::span<const Token> tokens,
                             const PreviewOptions& options);

} // namespace quolan::preview
