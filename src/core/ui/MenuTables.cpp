#include "MenuTables.h"

#include "core/find/FindTexts.h"
#include "core/preview/PreviewTexts.h"
#include "core/spell/SpellTexts.h"
#include "core/ui/CommandIds.h"

#include <array>

namespace quolan {

namespace {

using F = MenuEntry::Flags;
constexpr unsigned kHidden = F::Hidden;
constexpr unsigned kTicked = F::Checkable | F::Checked;

constexpr MenuEntry kMainMenu[] = {
    {0, "N1", "Файл"},
    {1, "N22", "Созд&ать", "Ctrl+N", cmd::FileNew},
    {1, "N23", "&Открыть", "Ctrl+O", cmd::FileOpen},
    {1, "N69", "Сохранить", "Ctrl+S", cmd::FileSave},
    {1, "N20", "&Сохранить как", "Ctrl+Alt+S", cmd::FileSaveAs},
    {1, "N30", "-"},
    {1, "N2", "В&ыход", {}, cmd::Exit},

    {0, "N25", "&Правка"},
    {1, "N28", "&Назад", "Ctrl+Z", cmd::Undo},
    {1, "N67", "Вперед", "Ctrl+X", cmd::Nothing, kHidden},
    {1, "N26", "Выделить в&сё", "Ctrl+A", cmd::SelectAll},
    // Ctrl+F is the focus tag's: finding takes keys no other item has.
    {1, "FindSeparator1", "-"},
    {1, "Find1", findCaption("Find1"), "Ctrl+Shift+F", cmd::Find},
    {1, "FindNext1", findCaption("FindNext1"), "F3", cmd::FindNext},
    {1, "FindPrevious1", findCaption("FindPrevious1"), "Shift+F3", cmd::FindPrevious},
    {1, "Replace1", findCaption("Replace1"), "Ctrl+H", cmd::Replace},

    {0, "N29", "Вид"},
    {1, "N31", "&Шрифт", {}, cmd::EditorFont},
    {1, "N32", "Скин", {}, {}, kHidden},
    {2, "Brennow1", "Brennow"},
    {2, "N33", "по умолчанию"},
    {1, "N34", "Язык"},
    {2, "N35", "Русский", {}, cmd::LanguageRussian},
    {2, "N36", "English", {}, cmd::LanguageEnglish},
    {1, "N57", "Перенос по словам", {}, cmd::WordWrap, kTicked},
    {1, spell::kMenuItem, spell::kSpellRows[0].russian, {}, cmd::Spelling, F::Checkable},
    {1, "Preview1", preview::textRow(preview::Text::MenuItem).russian, "F5", cmd::Preview},

    {0, "N3", "&Теги"},
    {1, "Outofcharoocooc1", "Out of char [ooc][/ooc]", "Alt+O", cmd::TagOoc},
    {1, "N16", "Специальное действие [sa][/sa]", "Alt+S", cmd::DialogSpecialAction},
    {1, "N15", "Фокус [focus][/focus]", "Ctrl+F", cmd::DialogFocus},
    {1, "N5", "Ссылка [url=][/url]", "Ctrl+Shift+I", cmd::DialogUrl},
    {1, "N6", "Почтовый адрес [email][/email]", "Ctrl+E", cmd::DialogEmail},
    {1, "centercenter1", "Центрирование [center][/center]", "Ctrl+Shift+C", cmd::TagCenter},
    {1, "N37", "По правой стороне [right][/right]", "Ctrl+Shift+R", cmd::TagRight},
    {1, "N4", "Выделение [b][/b]", "Ctrl+B", cmd::TagBold},
    {1, "N7", "Подчеркивание [u][/u]", "Ctrl+U", cmd::TagUnderline},
    {1, "N8", "Курсив [i][/i]", "Ctrl+I", cmd::TagItalic},
    {1, "N9", "Цвет [color=][/color]", "Alt+C", cmd::DialogColor},
    {1, "N10", "Размер [size=][/size]", "Alt+S", cmd::DialogSize, F::None, "Alt+Z"},
    {1, "N11", "Шрифт [font=][/font]", "Alt+F", cmd::DialogFont},
    {1, "N13", "Изображение [img][/img]", "Alt+I", cmd::DialogImage},
    {1, "N14", "Цитата [quote][/quote]", "Alt+Q", cmd::TagQuote},
    {1, "Code1", "Code [code][/code]", "Alt+C", cmd::TagCode, F::None, "Alt+K"},
    {1, "PHP1", "PHP [php][/php]", "Alt+P", cmd::TagPhp},
    {1, "N61", "-"},
    {1, "N60", "Поставить смайл", "Ctrl+Shift+S", cmd::Smileys},

    {0, "N38", "Перекодировка", {}, {}, kHidden},
    {1, "vBHTML1", "vB -> HTML", "Ctrl+Shift+2", cmd::VbToHtml},
    {1, "HTML1", "HTML -> vB", "Ctrl+Shift+1", cmd::HtmlToVb},

    {0, "N64", "Настройки", {}, {}, kHidden},
    {1, "N65", "Общие", {}, cmd::Options},

    {0, "N12", "&Буфер"},
    {1, "N24", "Копировать выделенное в буфер", "Ctrl+C", cmd::CopySelection},
    {1, "N19", "Копировать всё в буфер", "Ctrl+Shift+C", cmd::CopyAll, F::None, "Ctrl+Shift+A"},
    {1, "N21", "Вставить из буфера", "Ctrl+V", cmd::Paste},

    {0, "N17", "&Помощь"},
    {1, "N66", "Помощь", "F1", cmd::Help},
    {1, "N18", "&О...", {}, cmd::About},
    {1, "N70", "Хистори", {}, cmd::History},
};

constexpr MenuEntry kMemoPopup[] = {
    {0, "N58", "Копировать", {}, cmd::CopySelection},
    {0, "N59", "Вставить", {}, cmd::Paste},
    {0, "N27", "-"},
    {0, "N62", "Транслит"},
    {1, "EngToRus2", "English to Russian", {}, cmd::EngToRusSelection},
    {1, "RusToEng2", "Russian to English", {}, cmd::RusToEngSelection},
    {0, "N63", "-"},
    {0, "OOC1", "OOC", {}, cmd::TagOoc},
    {0, "SA1", "SA", {}, cmd::DialogSpecialAction},
    {0, "FOCUS1", "FOCUS", {}, cmd::DialogFocus},
    {0, "URL1", "URL", {}, cmd::DialogUrl},
    {0, "EMAIL1", "EMAIL", {}, cmd::DialogEmail},
    {0, "CENTER1", "CENTER", {}, cmd::TagCenter},
    {0, "RIGHT1", "RIGHT", {}, cmd::TagRight},
    {0, "BOLD1", "BOLD", {}, cmd::TagBold},
    {0, "UNDERLINE1", "UNDERLINE", {}, cmd::TagUnderline},
    {0, "ITALIC1", "ITALIC", {}, cmd::TagItalic},
    {0, "COLOR1", "COLOR", {}, cmd::DialogColor},
    {0, "SIZE1", "SIZE", {}, cmd::DialogSize},
    {0, "FONT1", "FONT", {}, cmd::DialogFont},
    {0, "IMAGE1", "IMAGE", {}, cmd::DialogImage},
    {0, "QUOTE1", "QUOTE", {}, cmd::TagQuote},
    {0, "CODE2", "CODE", {}, cmd::TagCode},
    {0, "PHP2", "PHP", {}, cmd::TagPhp},
};

constexpr MenuEntry kPopupMenu1[] = {
    {0, "N39", "О программе", {}, cmd::About},
    {0, "N71", "Свернуть", {}, cmd::Minimize},
    {0, "N43", "Развернуть", {}, cmd::Restore},
    {0, "N40", "-"},
    {0, "Brennow2", "Посетить Brennow", {}, cmd::LinkSite},
    {0, "N41", "Подключайся"},
    {1, "N45", "Регистрация на форуме", {}, cmd::LinkSignUp},
    {1, "N49", "-"},
    {1, "N50", "Навигация по форуму"},
    {2, "N51", "Корневая страница форума", {}, cmd::LinkForumRoot},
    {2, "N52", "-"},
    {2, "N55", "Правила", {}, cmd::LinkRules},
    {2, "FAQ1", "FAQ", {}, cmd::LinkFaq},
    {2, "N56", "Ход Игры", {}, cmd::LinkGameProgress},
    {2, "N53", "Регистрация персонажа", {}, cmd::LinkCharacterRegistration},
    {2, "N54", "-"},
    {2, "N46", "Матрица", {}, cmd::LinkMatrix},
    {2, "N47", "Канализация", {}, cmd::LinkWaterDrain},
    {2, "N48", "Зион", {}, cmd::LinkZion},
    {0, "N44", "-"},
    {0, "N42", "Выход", {}, cmd::Exit},
};

constexpr MenuEntry kPopupMenu2[] = {
    {0, "EngToRus1", "English to Russian", {}, cmd::EngToRusWhole},
    {0, "RusToEng1", "Russian To English", {}, cmd::RusToEngWhole},
};

} // namespace

MenuTable mainMenu() {
    return kMainMenu;
}
MenuTable memoPopup() {
    return kMemoPopup;
}
MenuTable popupMenu1() {
    return kPopupMenu1;
}
MenuTable popupMenu2() {
    return kPopupMenu2;
}

bool hasChildren(MenuTable table, std::size_t index) {
    return index + 1 < table.size() && table[index + 1].depth > table[index].depth;
}

} // namespace quolan
