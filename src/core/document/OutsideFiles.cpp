#include "OutsideFiles.h"

namespace quolan {

namespace {
void tellAboutTheOthers(std::span<const std::string> paths, const OutsideFileWindows& windows) {
    if (paths.size() > 1 && windows.tellOnlyFirstOpened)
        windows.tellOnlyFirstOpened(paths.front());
}
} // namespace

void openGivenFiles(Document& document, std::span<const std::string> paths,
                    const OutsideFileWindows& windows) {
    if (!paths.empty() && document.openNamed(paths.front()))
        tellAboutTheOthers(paths, windows);
}

void openDroppedFiles(Document& document, std::span<const std::string> paths,
                      const OutsideFileWindows& windows) {
    if (!paths.empty() && document.openInPlaceOfText(paths.front()))
        tellAboutTheOthers(paths, windows);
}

} // namespace quolan
