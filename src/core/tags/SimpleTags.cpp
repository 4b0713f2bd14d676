#include "SimpleTags.h"

#include "core/ui/CommandIds.h"
#include "core/ui/CommandRegistry.h"

#include <string>

namespace quolan {

namespace {
constexpr SimpleTag kSimpleTags[] = {
    {cmd::TagBold, "[b]", "[/b]"},
    {cmd::TagUnderline, "[u]", "[/u]"},
    {cmd::TagItalic, "[i]", "[/i]"},
    {cmd::TagOoc, "[ooc]", "[/ooc]"},
    {cmd::TagCenter, "[center]", "[/center]"},
    {cmd::TagRight, "[right]", "[/right]"},
    {cmd::TagQuote, "[quote]", "[/quote]"},
    {cmd::TagCode, "[code]", "[/code]"},
    {cmd::TagPhp, "[php]", "[/php]"},
};
} // namespace

std::span<const SimpleTag> simpleTags() {
    return kSimpleTags;
}

EditorModel::Result wrapSelection(EditorModel& editor, std::string_view opening,
                                  std::string_view closing) {
    const std::string selected = editor.selectedText();
    std::string wrapped;
    wrapped.reserve(opening.size() + selected.size() + closing.size());
    wrapped.append(opening).append(selected).append(closing);
    return editor.replaceSelection(wrapped);
}

void registerSimpleTagCommands(CommandRegistry& commands, EditorModel& editor,
                               const ReportError& report) {
    for (const SimpleTag& tag : kSimpleTags) {
        commands.add(tag.command, [&editor, report, tag] {
            if (wrapSelection(editor, tag.opening, tag.closing) == EditorModel::Result::TooLarge)
                report(msg::TextExceedsCapacity);
        });
    }
}

} // namespace quolan
