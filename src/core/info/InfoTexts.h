#pragma once

#include "core/i18n/InterfaceRows.h"

#include <string_view>

// The built texts of the information windows. Those the interface language
// replaces are its rows' built texts; the rest have no other language.
namespace quolan::info_text {

using interface_rows::builtText;

inline constexpr std::string_view AboutCaption = builtText("About", {});
inline constexpr std::string_view AboutTitle = builtText("About", "Label1");
inline constexpr std::string_view AboutVersion = builtText("About", "Label2");
inline constexpr std::string_view AboutLinks = builtText("About", "Label5");
inline constexpr std::string_view Close = builtText("About", "okBtn");
inline constexpr std::string_view CreditsLabel = "Credits";

inline constexpr std::string_view CreditsCaption = "Credits";
inline constexpr std::string_view CreditsAdministration = "Администрация Brennow";
inline constexpr std::string_view CreditsIdea = "Идея";
inline constexpr std::string_view CreditsDeveloper = "Разработчик";
inline constexpr std::string_view CreditsTesters = "Бета-тестеры";
inline constexpr std::string_view CreditsPublisher = "Издатель";

inline constexpr std::string_view HistoryCaption = builtText("HistoryFrm", {});
inline constexpr std::string_view HistoryOk = "Ok";

inline constexpr std::string_view HelpCaption = builtText("HelpFrm", {});
inline constexpr std::string_view HelpLicenceTab = "Лицензионное соглашение";
inline constexpr std::string_view HelpManualTab = "Мануал";
inline constexpr std::string_view HelpFaqTab = "FAQ";

} // namespace quolan::info_text
