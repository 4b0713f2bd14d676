#include "OutsideFiles.h"

namespace quolan {

namespace {
void openFirst(Document& document, std::span<const std::string> paths,
               const OutsideFileWindows& windows) {
    if (!document.openNamed(paths.front()))
        return;
    if (paths.size() > 1 && windows.tellOnlyFirstOpened)
        windows.tellOnlyFirstOpened(paths.front());
}
} // namespace

void openGivenFiles(Document& document, std::span<const std::string> paths,
                    const OutsideFileWindows& windows) {
    if (!paths.empty())
        openFirst(document, paths, windows);
}

void openDroppedFiles(Document& document, bool modified, std::span<const std::string> paths,
                      const OutsideFileWindows& windows) {
    if (paths.empty())
        return;
    if (modified && windows.askBeforeReplacing) {
        switch (windows.askBeforeReplacing(paths.front())) {
        case ReplaceAnswer::Cancel:
            return;
        case ReplaceAnswer::Save:
            if (!document.save())
                return;
            break;
        case ReplaceAnswer::Replace:
            break;
        }
    }
    openFirst(document, paths, windows);
}

} // namespace quolan
