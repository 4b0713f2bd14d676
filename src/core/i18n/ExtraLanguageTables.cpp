#include "ExtraLanguageTables.h"

#include "core/preview/PreviewTexts.h"
#include "core/recovery/RecoveryTexts.h"
#include "core/spell/SpellTexts.h"

namespace quolan {

namespace {
using preview::Text;
using preview::textRow;

// The preview's menu item; the preview window, made on first use, takes its
// own texts in the shown language whenever it shows them.
constexpr LanguageRow kPreviewRows[] = {
    {kMainWindowName, textRow(Text::MenuItem).element, textRow(Text::MenuItem).english,
     textRow(Text::MenuItem).russian},
};

constexpr LanguageTable kExtraTables[] = {
    {"recovery", kRecoveryRows},
    {"spelling", spell::kSpellRows},
    {"preview", kPreviewRows},
};
} // namespace

// Add a subsystem's table here as {"title", itsRows()}.
std::span<const LanguageTable> extraLanguageTables() {
    return kExtraTables;
}

} // namespace quolan
