#include "ExtraLanguageTables.h"

namespace quolan {

// Add a subsystem's table here as {"title", itsRows()}.
std::span<const LanguageTable> extraLanguageTables() {
    return {};
}

} // namespace quolan
