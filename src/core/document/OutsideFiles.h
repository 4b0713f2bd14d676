#pragma once

#include "core/document/Document.h"
#include "core/i18n/BilingualText.h"

#include <functional>
#include <span>
#include <string>

namespace quolan {

// Files handed to the program from outside its open dialog: named on the
// command line or dropped from a file manager. They open as the open command
// opens a file; as one post is edited at a time, only the first of several.

struct OutsideFileWindows {
    // Told, with the opened path, that further files were left alone.
    std::function<void(const std::string& opened)> tellOnlyFirstOpened;
};

// The command line's files, after start-up: nothing to ask, the text is new.
void openGivenFiles(Document& document, std::span<const std::string> paths,
                    const OutsideFileWindows& windows);

// Dropped files: over unsaved text the document asks first, as the open
// command does (Document::openInPlaceOfText).
void openDroppedFiles(Document& document, std::span<const std::string> paths,
                      const OutsideFileWindows& windows);

namespace outside_text {
inline constexpr BilingualText OnlyFirstOpened{
    "Редактируется одна запись за раз. Открыт первый из файлов:\n",
    "One post is edited at a time. The first of the files is open:\n"};
inline constexpr BilingualText ReplaceQuestion{
    "Текст записи не сохранён. Открыть вместо него файл?\n",
    "The post is not saved. Open the file in its place?\n"};
inline constexpr BilingualText SaveButton{"Сохранить", "Save"};
inline constexpr BilingualText OpenButton{"Открыть", "Open"};
inline constexpr BilingualText CancelButton{"Отмена", "Cancel"};
} // namespace outside_text

} // namespace quolan
