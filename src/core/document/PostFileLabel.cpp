#include "PostFileLabel.h"

#include "core/document/FileTexts.h"

namespace quolan {

PostFileLabel postFileLabel(const Document& document, bool modified,
                            std::optional<Language> shown) {
    const std::string& path = document.currentName();
    PostFileLabel label;
    if (path.empty()) {
        label.text = inLanguage(file_text::NewPostName, shown); // no path, no tip
    } else {
        const std::size_t slash = path.rfind('/');
        label.text = slash == std::string::npos ? path : path.substr(slash + 1);
        label.toolTip = path;
    }
    if (modified)
        label.text += " *";
    if (document.encoding() != FileEncoding::Windows1251)
        label.text.append("  ").append(encodingName(document.encoding()));
    return label;
}

} // namespace quolan
