#pragma once

#include "core/i18n/LanguageTable.h"

#include <cstddef>
#include <iterator>
#include <string_view>

namespace quolan::preview {

// Every text the preview shows, in both interface languages.

enum class Text : std::size_t {
    WindowCaption,
    FindingsLabel,
    NoFindings,
    MoreFindings,
    Counts,
    UpdatesOnF5,
    Rendering,
    QuoteHeading,
    CodeHeading,
    PhpHeading,
    FocusHeading,
    FocusOwnNick,
    SpecialActionHeading,
    ImageHeading,
    Unclosed,
    Unopened,
    Misnested,
};

// %1 to %4 stand for the numbers or tags put in when the text is shown.
inline constexpr BilingualText kPreviewTexts[] = {
    {"Предпросмотр", "Preview"},
    {"Проверка тегов:", "Tag check:"},
    {"Все теги закрыты и вложены верно.", "Every tag is closed and nested properly."},
    {"…и ещё %1", "…and %1 more"},
    {"Символов в редакторе: %1    На форуме: %2    Байт: %3",
     "Characters in the editor: %1    On the forum: %2    Bytes: %3"},
    {"Пост длиннее %1 КБ: показано его начало, теги проверены во всём посте. Превью обновляется "
     "только по F5.",
     "The post is over %1 KB: its beginning is shown, its tags are checked throughout. The "
     "preview updates on F5 only."},
    {"Обновляю превью…", "Updating the preview…"},
    {"Цитата:", "Quote:"},
    {"Код:", "Code:"},
    {"PHP:", "PHP:"},
    {"Фокус: %1", "Focus: %1"},
    {"(ваш ник)", "(your nickname)"},
    {"Специальное действие: %1", "Special action: %1"},
    {"Картинка: ", "Picture: "},
    {"Строка %1, столбец %2: %3 не закрыт, форум покажет его как текст",
     "Line %1, column %2: %3 is never closed; the forum prints it as text"},
    {"Строка %1, столбец %2: %3 ничего не закрывает, форум покажет его как текст",
     "Line %1, column %2: %3 closes nothing; the forum prints it as text"},
    {"Строка %1, столбец %2: %3 закрывает тег раньше, чем закрыт %4",
     "Line %1, column %2: %3 closes its tag before %4 is closed"},
};

static_assert(std::size(kPreviewTexts) == static_cast<std::size_t>(Text::Misnested) + 1);

constexpr const BilingualText& textOf(Text id) {
    return kPreviewTexts[static_cast<std::size_t>(id)];
}

constexpr std::string_view text(Text id, Language language = Language::Russian) {
    return textOf(id).in(language);
}

} // namespace quolan::preview
