#include "ExtraLanguageTables.h"

#include "core/find/FindTexts.h"
#include "core/document/FileTexts.h"
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

// The status bar's name of the post's file: a new post's as the row says,
// the rest of the label (a file's name, the marks) is no text of a language
// and follows it when the language changes.
constexpr LanguageRow kFileRows[] = {
    {kMainWindowName, "PostFile", file_text::NewPostName.english, file_text::NewPostName.russian},
};

constexpr LanguageTable kExtraTables[] = {
    {"recovery", kRecoveryRows},
    {"files", kFileRows},
    {"spelling", spell::kSpellRows},
    {"preview", kPreviewRows},
    {"find", kFindRows},
};
} // namespace

// Add a subsystem's table here as {"title", itsRows()}.
std::span<const LanguageTable> extraLanguageTables() {
    return kExtraTables;
}

} // namespace quolan
