#pragma once

#include "core/i18n/LanguageTable.h"

namespace quolan::spell {

// The spelling item of the "Вид" menu and the items it puts at the head of
// the editor's context menu over a misspelt word.
inline constexpr std::string_view kMenuItem = "Spelling1";
inline constexpr std::string_view kAddItem = "SpellAdd1";
inline constexpr std::string_view kIgnoreItem = "SpellIgnore1";
inline constexpr std::string_view kNoSuggestionItem = "SpellNone1";

inline constexpr LanguageRow kSpellRows[] = {
    {kMainWindowName, kNoSuggestionItem, "(no suggestions)", "(нет вариантов)"},
    {kMainWindowName, kAddItem, "Add to my dictionary", "Добавить в мой словарь"},
    {kMainWindowName, kIgnoreItem, "Ignore in this post", "Пропускать в этой записи"},
};

// The hint of the menu item when a dictionary is missing.
inline constexpr BilingualText kNoDictionaryHint{
    "Словари не установлены: их дают пакеты hunspell-ru (русский) и hunspell-en-us (английский)",
    "No dictionary installed: the packages hunspell-ru (Russian) and hunspell-en-us (English) "
    "provide them"};
inline constexpr BilingualText kNoRussianHint{
    "Русские слова не проверяются: нет словаря из пакета hunspell-ru",
    "Russian words are not checked: the dictionary of the package hunspell-ru is missing"};
inline constexpr BilingualText kNoEnglishHint{
    "Английские слова не проверяются: нет словаря из пакета hunspell-en-us",
    "English words are not checked: the dictionary of the package hunspell-en-us is missing"};

} // namespace quolan::spell
