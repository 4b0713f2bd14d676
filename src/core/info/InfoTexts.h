#pragma once

#include <string_view>

// The built texts of the information windows; the interface language
// replaces some of them by window and control name.
namespace quolan::info_text {

inline constexpr std::string_view AboutCaption = "О программе";
inline constexpr std::string_view AboutTitle = "Quolan редактор с использованием тегов vB для Brennow";
inline constexpr std::string_view AboutVersion = "Версия программы";
inline constexpr std::string_view AboutLinks = "Ссылки:";
inline constexpr std::string_view Close = "Закрыть";
inline constexpr std::string_view CreditsLabel = "Credits";

inline constexpr std::string_view CreditsCaption = "Credits";
inline constexpr std::string_view CreditsAdministration = "Администрация Brennow";
inline constexpr std::string_view CreditsIdea = "Идея";
inline constexpr std::string_view CreditsDeveloper = "Разработчик";
inline constexpr std::string_view CreditsTesters = "Бета-тестеры";
inline constexpr std::string_view CreditsPublisher = "Издатель";

inline constexpr std::string_view HistoryCaption = "История версии";
inline constexpr std::string_view HistoryOk = "Ok";

inline constexpr std::string_view HelpCaption = "Помощь";
inline constexpr std::string_view HelpLicenceTab = "Лицензионное соглашение";
inline constexpr std::string_view HelpManualTab = "Мануал";
inline constexpr std::string_view HelpFaqTab = "FAQ";

} // namespace quolan::info_text
