#pragma once

#include <cstddef>
#include <string_view>

namespace quolan::preview {

// Every text the preview shows, in both interface languages. The element
// names are the keys under which the language table takes these rows.
struct PreviewTextRow {
    std::string_view element;
    std::string_view russian;
    std::string_view english;
};

enum class Text : std::size_t {
    MenuItem,
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
inline constexpr PreviewTextRow kPreviewTexts[] = {
    {"Preview1", "Предпросмотр поста", "Post preview"},
    {"PreviewFrm", "Предпросмотр", "Preview"},
    {"FindingsLabel", "Проверка тегов:", "Tag check:"},
    {"NoFindings", "Все теги закрыты и вложены верно.", "Every tag is closed and nested properly."},
    {"MoreFindings", "…и ещё %1", "…and %1 more"},
    {"Counts", "Символов в редакторе: %1    На форуме: %2    Байт: %3",
     "Characters in the editor: %1    On the forum: %2    Bytes: %3"},
    {"UpdatesOnF5",
     "Пост длиннее %1 КБ: показано его начало, теги проверены во всём посте. Превью обновляется "
     "только по F5.",
     "The post is over %1 KB: its beginning is shown, its tags are checked throughout. The "
     "preview updates on F5 only."},
    {"Rendering", "Обновляю превью…", "Updating the preview…"},
    {"QuoteHeading", "Цитата:", "Quote:"},
    {"CodeHeading", "Код:", "Code:"},
    {"PhpHeading", "PHP:", "PHP:"},
    {"FocusHeading", "Фокус: %1", "Focus: %1"},
    {"FocusOwnNick", "(ваш ник)", "(your nickname)"},
    {"SpecialActionHeading", "Специальное действие: %1", "Special action: %1"},
    {"ImageHeading", "Картинка: ", "Picture: "},
    {"Unclosed", "Строка %1, столбец %2: %3 не закрыт, форум покажет его как текст",
     "Line %1, column %2: %3 is never closed; the forum prints it as text"},
    {"Unopened", "Строка %1, столбец %2: %3 ничего не закрывает, форум покажет его как текст",
     "Line %1, column %2: %3 closes nothing; the forum prints it as text"},
    {"Misnested", "Строка %1, столбец %2: %3 закрывает тег раньше, чем закрыт %4",
     "Line %1, column %2: %3 closes its tag before %4 is closed"},
};

enum class Language { Russian, English };

constexpr const PreviewTextRow& textRow(Text id) {
    return kPreviewTexts[static_cast<std::size_t>(id)];
}

constexpr std::string_view text(Text id, Language language = Language::Russian) {
    return language == Language::Russian ? textRow(id).russian : textRow(id).english;
}

} // namespace quolan::preview
