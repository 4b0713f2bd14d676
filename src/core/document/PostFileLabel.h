#pragma once

#include "core/document/Document.h"
#include "core/i18n/LanguageTable.h"

#include <optional>
#include <string>

namespace quolan {

// What the status bar says of the post: the file's name (or the new post's),
// a mark while it has unsaved changes, and the encoding saves write when it
// is not the code page. The tip names the file's whole path.
struct PostFileLabel {
    std::string text;
    std::string toolTip;
};

PostFileLabel postFileLabel(const Document& document, bool modified, std::optional<Language> shown);

} // namespace quolan
