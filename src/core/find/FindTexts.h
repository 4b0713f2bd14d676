#pragma once

#include "core/i18n/LanguageTable.h"

namespace quolan {

// The find bar at the bottom of the main window and its menu items, in both
// languages. The built window shows the Russian texts.
inline constexpr LanguageRow kFindRows[] = {
    {kMainWindowName, "Find1", "&Find…", "На&йти…"},
    {kMainWindowName, "FindNext1", "Find &next", "Найти &далее"},
    {kMainWindowName, "FindPrevious1", "Find &previous", "Найти &ранее"},
    {kMainWindowName, "Replace1", "&Replace…", "&Заменить…"},
    {kMainWindowName, "FindLabel", "Find:", "Найти:"},
    {kMainWindowName, "ReplaceLabel", "Replace with:", "Заменить на:"},
    {kMainWindowName, "MatchCase", "Match case", "Учитывать регистр"},
    {kMainWindowName, "WholeWords", "Whole words", "Слово целиком"},
    {kMainWindowName, "FindNextBtn", "Next", "Далее"},
    {kMainWindowName, "FindPreviousBtn", "Previous", "Назад"},
    {kMainWindowName, "ReplaceBtn", "Replace", "Заменить"},
    {kMainWindowName, "ReplaceAllBtn", "Replace all", "Заменить все"},
    {kMainWindowName, "FindCloseBtn", "Close (Esc)", "Закрыть (Esc)"},
};

// The Russian (built) text of a row above; naming a missing control fails to compile.
consteval std::string_view findCaption(std::string_view control) {
    for (const LanguageRow& row : kFindRows)
        if (row.control == control)
            return row.text.russian;
    throw "no such row";
}

// What the bar's status label says.
namespace findtext {
// %1: the place of the selected match, %2: how many there are.
inline constexpr BilingualText MatchOf{"%1 из %2", "%1 of %2"};
inline constexpr BilingualText Matches{"Совпадений: %1", "Matches: %1"};
inline constexpr BilingualText NotFound{"Не найдено", "Not found"};
inline constexpr BilingualText WrappedToStart{"продолжено с начала", "continued from the start"};
inline constexpr BilingualText WrappedToEnd{"продолжено с конца", "continued from the end"};
inline constexpr BilingualText Replaced{"Заменено: %1", "Replaced: %1"};
} // namespace findtext

} // namespace quolan
