#include "ConversionCommands.h"

#include "core/convert/MarkupConversion.h"
#include "core/convert/Transliteration.h"
#include "core/ui/CommandIds.h"
#include "core/ui/CommandRegistry.h"

#include <string>

namespace quolan {

namespace {
struct TransliterationCommands {
    cmd::Id wholeText;
    cmd::Id selection;
    Transliteration table;
};

constexpr TransliterationCommands kTransliterationCommands[] = {
    {cmd::EngToRusWhole, cmd::EngToRusSelection, Transliteration::EnglishToRussian},
    {cmd::RusToEngWhole, cmd::RusToEngSelection, Transliteration::RussianToEnglish},
};

struct MarkupCommand {
    cmd::Id id;
    MarkupDirection direction;
};

constexpr MarkupCommand kMarkupCommands[] = {
    {cmd::VbToHtml, MarkupDirection::VbToHtml},
    {cmd::HtmlToVb, MarkupDirection::HtmlToVb},
};
} // namespace

void registerConversionCommands(CommandRegistry& commands, EditorModel& editor) {
    // The length never changes, so none of these can exceed the capacity.
    for (const TransliterationCommands& entry : kTransliterationCommands) {
        const Transliteration table = entry.table;
        // An equal result leaves the editor untouched; a changed one can be
        // taken back with one undo, so a misclick loses nothing.
        commands.add(entry.wholeText, [&editor, table] {
            std::string text = editor.text();
            transliterateInPlace(text, table);
            editor.rewrite(text);
        });
        // Always written back, even when empty or equal: the selection goes.
        commands.add(entry.selection, [&editor, table] {
            std::string selected = editor.selectedText();
            transliterateInPlace(selected, table);
            editor.replaceSelection(selected);
        });
    }
    for (const MarkupCommand& entry : kMarkupCommands) {
        const MarkupDirection direction = entry.direction;
        // The whole working copy first, then the editor once; without any
        // pattern it is not touched at all.
        commands.add(entry.id, [&editor, direction] {
            std::string text = editor.text();
            if (convertInPlace(text, direction) > 0)
                editor.rewrite(text);
        });
    }
}

} // namespace quolan
