#pragma once

#include "core/app/LanguagePair.h"
#include "core/document/Document.h"

#include <functional>
#include <span>
#include <string>

namespace quolan {

// Files handed to the program from outside its open dialog: named on the
// command line or dropped from a file manager. They open as the open command
// opens a file; as one post is edited at a time, only the first of several.

// The answer to the question asked before a drop replaces unsaved text.
enum class ReplaceAnswer { Save, Replace, Cancel };

struct OutsideFileWindows {
    // Asked only when the text was modified; gets the file's path.
    std::function<ReplaceAnswer(const std::string& path)> askBeforeReplacing;
    // Told, with the opened path, that further files were left alone.
    std::function<void(const std::string& opened)> tellOnlyFirstOpened;
};

// The command line's files, after start-up: nothing to ask, the text is new.
void openGivenFiles(Document& document, std::span<const std::string> paths,
                    const OutsideFileWindows& windows);

// Dropped files: asks first when the text was modified. "Save" saves as the
// save command does and opens only when the text was written.
void openDroppedFiles(Document& document, bool modified, std::span<const std::string> paths,
                      const OutsideFileWindows& windows);

namespace outside_text {
inline constexpr LanguagePair OnlyFirstOpened{
    "Редактируется одна запись за раз. Открыт первый из файлов:\n",
    "One post is edited at a time. The first of the files is open:\n"};
inline constexpr LanguagePair ReplaceQuestion{
    "Текст записи не сохранён. Открыть вместо него файл?\n",
    "The post is not saved. Open the file in its place?\n"};
inline constexpr LanguagePair SaveButton{"Сохранить", "Save"};
inline constexpr LanguagePair OpenButton{"Открыть", "Open"};
inline constexpr LanguagePair CancelButton{"Отмена", "Cancel"};
} // namespace outside_text

} // namespace quolan
