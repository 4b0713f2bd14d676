#include "ShellTexts.h"

namespace quolan {

namespace {
constexpr ShellText kTexts[] = {shelltext::TrayIconNotLoaded, shelltext::TrayIconFileFilter};
} // namespace

std::span<const ShellText> shellTexts() {
    return kTexts;
}

} // namespace quolan
