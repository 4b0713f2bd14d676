#include "core/document/FileTexts.h"
#include "core/find/FindTexts.h"
#include "core/i18n/ExtraLanguageTables.h"
#include "core/recovery/RecoveryTexts.h"
#include "core/spell/SpellTexts.h"

namespace quolan {

namespace {
constexpr LanguageTable kExtraTables[] = {
    {"recovery", kRecoveryRows},
    {"files", file_text::kFileRows},
    {"spelling", spell::kSpellRows},
    {"find", kFindRows},
};
} // namespace

// Each subsystem keeps its rows beside its code; the program lists them here,
// so the language table itself knows none of them.
std::span<const LanguageTable> extraLanguageTables() {
    return kExtraTables;
}

} // namespace quolan
