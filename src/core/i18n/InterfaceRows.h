#pragma once

#include "core/i18n/LanguageTable.h"

// The interface's own rows of the language table, visible to the menu and
// toolbar tables so that each caption is written once: they are built with
// the rows' built texts.
namespace quolan::interface_rows {

inline constexpr std::string_view M = kMainWindowName;

// The main menu bar.
inline constexpr LanguageRow kMainMenuBar[] = {
    {M, "N1", "&File", "&Файл", "Файл"},
    {M, "N22", "Cre&ate", "Соз&дать", "Созд&ать"},
    {M, "N23", "&Open", "&Открыть"},
    {M, "N20", "Sav&e as", "Сохр&анить как", "&Сохранить как"},
    {M, "N69", "Sa&ve", "Сохр&анить", "Сохранить"},
    {M, "N2", "E&xit", "В&ыйти", "В&ыход"},
    {M, "N25", "E&dit", "Пр&авка", "&Правка"},
    {M, "N28", "Un&do", "Наза&д", "&Назад"},
    {M, "N26", "Select &all", "Выделить &всё", "Выделить в&сё"},
    {M, "N29", "Vi&ew", "В&ид", "Вид"},
    {M, "N31", "Fon&t", "Шри&фт", "&Шрифт"},
    {M, "N32", "Skin", "Скин"},
    {M, "N57", "Carry by words", "Перенос по словам"},
    {M, "Spelling1", "Check spelling", "Проверять орфографию"},
    {M, "Preview1", "Post preview", "Предпросмотр поста"},
    {M, "N33", "Default", "по умолчанию"},
    {M, "N34", "Language", "Язык"},
    {M, "N3", "Tags", "Теги", "&Теги"},
    {M, "N12", "Clipboard", "Буфер", "&Буфер"},
    {M, "N24", "Copy selected to clipboard", "Копировать выделенное в буфер"},
    {M, "N19", "Copy all to clipboard", "Копировать всё в буфер"},
    {M, "N21", "Paste from clipboard", "Вставить из буфера"},
    {M, "N17", "Help", "Помощь", "&Помощь"},
    {M, "N18", "About", "О программе", "&О..."},
    {M, "N16", "Special Action [sa][/sa]", "Специальное действие [sa][/sa]"},
    {M, "N15", "Focus [focus][/focus]", "Фокус [focus][/focus]"},
    {M, "N5", "URL [url][/url]", "Ссылка [url][/url]", "Ссылка [url=][/url]"},
    {M, "N6", "E-mail [email][/email]", "Почтовый адрес [email][/email]"},
    {M, "centercenter1", "Center [center][/center]", "Центрирование [center][/center]"},
    {M, "N4", "Bold [b][/b]", "Выделение [b][/b]"},
    {M, "N7", "Underlined [u][/u]", "Подчеркивание [u][/u]"},
    {M, "N8", "Italics [i][/i]", "Курсив [i][/i]"},
    {M, "N9", "Color [color][/color]", "Цвет [color][/color]", "Цвет [color=][/color]"},
    {M, "N10", "Size [size][/size]", "Размер [size][/size]", "Размер [size=][/size]"},
    {M, "N11", "Font [font][/font]", "Шрифт [font][/font]", "Шрифт [font=][/font]"},
    {M, "N13", "Image [img][/img]", "Изображение [img][/img]"},
    {M, "N14", "Quote [quote][/quote]", "Цитата [quote][/quote]"},
    {M, "N37", "To right side [right][/right]", "По правой стороне [right][/right]"},
    {M, "N60", "Place a smile", "Поставить смайл"},
    {M, "N70", "History", "Хистори"},
    {M, "N66", "Help", "Помощь"},
};

// PopupMenu1: the tray icon's menu, also the toolbar's forum links.
inline constexpr LanguageRow kTrayMenu[] = {
    {M, "N39", "About", "О программе"},
    {M, "N71", "Minimize", "Свернуть"},
    {M, "N43", "Recover", "Развернуть"},
    {M, "Brennow2", "Visite Brennow", "Посетить Brennow"},
    {M, "N41", "Jack In", "Подключайся"},
    {M, "N42", "Exit", "Выход"},
    {M, "N45", "Forum Registration", "Регистрация на форуме"},
    {M, "N50", "Forum Navigation", "Навигация по форуму"},
    {M, "N51", "Forum`s Main Page", "Корневая страница форума"},
    {M, "N55", "Rules", "Правила"},
    {M, "N56", "How is it going?", "Ход игры", "Ход Игры"},
    {M, "N53", "Register a new char", "Регистрация персонажа"},
    {M, "N46", "Matrix", "Матрица"},
    {M, "N47", "The Water Drain", "Канализация"},
    {M, "N48", "Zion", "Зион"},
};

// The editor pop-up's tag items repeat their twins of the "Теги" menu.
inline constexpr LanguageRow kCaptionCopies[] = {
    {M, "OOC1", {}, {}, "OOC", "Outofcharoocooc1"},
    {M, "SA1", {}, {}, "SA", "N16"},
    {M, "FOCUS1", {}, {}, "FOCUS", "N15"},
    {M, "URL1", {}, {}, "URL", "N5"},
    {M, "EMAIL1", {}, {}, "EMAIL", "N6"},
    {M, "CENTER1", {}, {}, "CENTER", "centercenter1"},
    {M, "RIGHT1", {}, {}, "RIGHT", "N37"},
    {M, "BOLD1", {}, {}, "BOLD", "N4"},
    {M, "UNDERLINE1", {}, {}, "UNDERLINE", "N7"},
    {M, "ITALIC1", {}, {}, "ITALIC", "N8"},
    {M, "COLOR1", {}, {}, "COLOR", "N9"},
    {M, "SIZE1", {}, {}, "SIZE", "N10"},
    {M, "FONT1", {}, {}, "FONT", "N11"},
    {M, "IMAGE1", {}, {}, "IMAGE", "N13"},
    {M, "QUOTE1", {}, {}, "QUOTE", "N14"},
    {M, "CODE2", {}, {}, "CODE", "Code1"},
    {M, "PHP2", {}, {}, "PHP", "PHP1"},
};

// MemoPopup's edit and transliteration items, and PopupMenu2.
inline constexpr LanguageRow kEditorMenus[] = {
    {M, "N58", "Copy", "Копировать"},
    {M, "N59", "Paste", "Вставить"},
    {M, "N62", "Translit", "Транслит"},
    {M, "EngToRus2", "English to Russian", "Английский в Русский", "English to Russian"},
    {M, "EngToRus1", "English to Russian", "Английский в Русский", "English to Russian"},
    {M, "RusToEng2", "Russian to English", "Русский в Английский", "Russian to English"},
    {M, "RusToEng1", "Russian to English", "Русский в Английский", "Russian To English"},
};

// The main window's own texts. The Russian "ООС" is written in Cyrillic
// letters, the built one in Latin letters.
inline constexpr LanguageRow kMainWindow[] = {
    {M, "FocusBtn", "Focus", "Фокус"},
    {M, "SABtn", "S.A.", "С.Д."},
    {M, "oocbtn", "OOC", "\u041E\u041E\u0421", "OOC"},
    {M, {}, "Quolan for Brennow", "Quolan for Brennow"},
    {M, "TabSheet1", "Text", "Текст"},
    {M, "Translit", "Translit", "Транслит"},
};

// The other windows, window by window.
inline constexpr LanguageRow kOtherWindows[] = {
    {"About", {}, "About", "О программе"},
    {"About", "Label1", "Quolan for Brennow",
     "Quolan редактор с использованием тегов vB для Brennow"},
    {"About", "Label2", "Program Version 1.56 LE", "Версия программы: 1.56 LE", "Версия программы"},
    {"About", "Label5", "URL", "Ссылки", "Ссылки:"},
    {"About", "okBtn", "Close", "Закрыть"},
    {"ColorFrm", {}, "Color", "Цвет"},
    {"ColorFrm", "Label1",
     "Choose the color of the text. Selected text will be closed with tags [color=][/color]",
     "Выбирите цвет текста. Выделенный в редакторе текст будет ограничен тегами "
     "[color=][/color]"},
    // The sample box's whole text: one line after either command, two as built.
    {"ColorFrm", "Memo1", "Example", "Пример отображения текста на форуме Brennow",
     "Пример отображения текста на форуме \nBrennow"},
    {"ColorFrm", "SpeedButton1", "Change Color", "Изменить цвет"},
    {"EmailFrm", "Label1", "Enter an E-Mail", "Введите адрес электронной почты"},
    {"EmailFrm", "SpeedButton1", "Add E-Mail", "Создать адрес"},
    {"ExitFrm2", {}, "End of session", "Завершение работы"},
    {"ExitFrm2", "Label1", "Closing editor...", "Завершение сеанса работы с редактором",
     "Завершение сеанса работы с редактором..."},
    {"ExitFrm2", "Button1", "Save", "Сохранить"},
    {"ExitFrm2", "Button2", "Exit", "Выйти"},
    {"FontFrm", {}, "Font", "Шрифт"},
    {"FontFrm", "Label1", "Choose Font. Selected text will be closed with tags [font=][/font]",
     "Выберите название шрифта. Выделенный в редакторе текст будет ограничен тегами "
     "[font=][/font]"},
    {"FontFrm", "FontOk", "Select font", "Задать шрифт"},
    {"ImageFrm", {}, "Image", "Изображение"},
    {"ImageFrm", "Label1", "Enter Image URL",
     "Введите адрес до изображения. Убедитесь, что текст в редакторе не выделен. Это окно "
     "создаст тег [img][/img] на месте курсора в редакторе."},
    {"ImageFrm", "ImageOk", "Create an Image", "Создать изображение"},
    {"SizeFrm", {}, "Size", "Размер шрифта"},
    {"SizeFrm", "Label1", "Select size of the font",
     "Задать масштаб шрифта. Выделенный в редакторе текст будет ограничен тегами "
     "[size=][/size]. "},
    {"SizeFrm", "SizeOk", "Select Size", "Задать размер"},
    {"UrlCreate", {}, "URL", "Ссылка"},
    {"UrlCreate", "Label2", "Enter URL",
     "В поле ниже введите адрес. По нажатию кнопки \"Создать ссылку\" или Enter - выделенный "
     "текст в редакторе будет ограничен тегами [url=Введенный адрес]Текст[/url].",
     "В поле ниже введите адрес. По нажатию кнопки \"Создать ссылку\" или Enter - выделенный "
     "текст в редакторе будет ограничен тегами [url=Введенный адресс]Текст[/url]."},
    {"UrlCreate", "Label1", "URL", "Адрес", "Адресс"},
    {"UrlCreate", "OkBtn", "Make URL", "Создать ссылку"},
    {"FocusFrm", {}, "Focus", "Фокус"},
    {"FocusFrm", "Label1",
     "Enter your char`s name. (if you won`t - focus will be completed using your nick)",
     "Введите имя персонажа. (если имя не введено, то фокус будет производится от Вашего ника)",
     "Введите имя персонажа.(если имя не введено, то фокус будет производится от Вашего ника)"},
    {"FocusFrm", "FocusOk", "Make Focus", "Создать фокус"},
    {"SAfrm", {}, "Special Action", "Специальное действие"},
    {"SAfrm", "Label1",
     "Enter your char`s name. (if you won`t - SA will be completed using your nickname)",
     "Введите имя персонажа. (если имя не введено, то СД будет производится от Вашего ника)"},
    {"SAfrm", "SaOk", "Make SA", "Создать СД"},
    {"CreateNewFrm", {}, "New", "Создать"},
    {"CreateNewFrm", "Label1", "Create new?", "Создать новую запись?"},
    {"CreateNewFrm", "Button1", "Save", "Сохранить"},
    {"CreateNewFrm", "Button2", "Create", "Создать"},
    {"CreateNewFrm", "Button3", "Cancel", "Отмена"},
    {"HistoryFrm", {}, "History", "История версии"},
    {"SmileFRM", "TabSheet1", "Standart", "Стандартные"},
    {"SmileFRM", "TabSheet2", "Advanced", "Дополнительные"},
    {"HelpFrm", "Button1", "Close", "Закрыть"},
    {"HelpFrm", {}, "Help", "Помощь"},
};

// The text a menu item of the rows above is built with; naming an item no row
// has fails to compile.
consteval std::string_view builtCaption(std::string_view control) {
    for (const auto& table :
         {std::span<const LanguageRow>(kMainMenuBar), std::span<const LanguageRow>(kTrayMenu),
          std::span<const LanguageRow>(kCaptionCopies), std::span<const LanguageRow>(kEditorMenus),
          std::span<const LanguageRow>(kMainWindow)})
        for (const LanguageRow& row : table)
            if (row.control == control)
                return row.builtText();
    throw "no such row";
}

// The text a control (or, with no control, the caption) of another window is
// built with; naming one no row has fails to compile.
consteval std::string_view builtText(std::string_view window, std::string_view control) {
    for (const LanguageRow& row : kOtherWindows)
        if (row.window == window && row.control == control)
            return row.builtText();
    throw "no such row";
}

} // namespace quolan::interface_rows
