#include "ToolbarTable.h"

#include "core/i18n/InterfaceRows.h"
#include "core/ui/CommandIds.h"

namespace quolan {

namespace {

using Face = ToolbarEntry::Face;
// Captions with a row in the language table are the row's built text.
using interface_rows::builtCaption;
constexpr ToolbarEntry kSeparator{};

constexpr ToolbarEntry kMainToolbar[] = {
    {"FocusBtn",
     Face::Text,
     builtCaption("FocusBtn"),
     {},
     41,
     "Создать фокус. Помните - в бою у вас его всего три ;)",
     cmd::DialogFocus},
    {"SABtn",
     Face::Text,
     builtCaption("SABtn"),
     {},
     33,
     "Использовать специальное действие. Помните - в бою их количество ограничено до трех и "
     "лучше приберечь до поры до времени ;)",
     cmd::DialogSpecialAction},
    {"oocbtn",
     Face::Text,
     builtCaption("oocbtn"),
     {},
     33,
     "Out Of Char. Или же комментарии",
     cmd::TagOoc},
    kSeparator,
    {"boldbtn", Face::Bold, "B", "Arial", 23, "Выделить текст", cmd::TagBold},
    {"UnderBtn", Face::Underline, "U", "Arial", 23, "Подчеркнуть текст.", cmd::TagUnderline},
    {"ItalicBtn", Face::Italic, "I", "Georgia", 20, "Курсив", cmd::TagItalic},
    {"SpeedButton1", Face::Picture, "font", {}, 23, "Шрифт", cmd::DialogFont},
    {"CenterBtn", Face::Picture, "center", {}, 23, "Центрировать", cmd::TagCenter},
    {"RightBtn", Face::Picture, "right", {}, 23, "По правой стороне", cmd::TagRight},
    {"ColorBtn",
     Face::Picture,
     "color",
     {},
     23,
     "Изменить цвет выделенного фрагмента текста",
     cmd::DialogColor},
    kSeparator,
    {"IMGBtn", Face::Picture, "image", {}, 23, "Вставить ссылку на изображение", cmd::DialogImage},
    {"URLBtn",
     Face::Picture,
     "link",
     {},
     23,
     "Создать ссылку из выделенного текста",
     cmd::DialogUrl},
    kSeparator,
    {"Translit",
     Face::Text,
     builtCaption("Translit"),
     {},
     62,
     "Транслитерация всего текста",
     cmd::TranslitMenu},
    kSeparator,
    {"SpeedButton2",
     Face::Picture,
     "links",
     {},
     23,
     "Набор ссылок для быстрого передвижения по форуму",
     cmd::LinksMenu},
    kSeparator,
    {"ClipBtn", Face::Picture, "clipboard", {}, 23, "Копировать всё в буфер", cmd::CopyAll},
};

} // namespace

std::span<const ToolbarEntry> mainToolbar() {
    return kMainToolbar;
}

} // namespace quolan
