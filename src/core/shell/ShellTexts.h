#pragma once

#include "core/i18n/BilingualText.h"

namespace quolan::shelltext {

// The texts the tray icon and the options window show beyond their controls'
// captions. "%1" stands for a file path.
inline constexpr BilingualText TrayIconNotLoaded{
    "Не удалось загрузить картинку \"%1\". В трее остаётся встроенная иконка.",
    "Cannot load the picture \"%1\". The tray keeps the built-in icon."};
inline constexpr BilingualText TrayIconFileFilter{"*.ico", "*.ico"};

} // namespace quolan::shelltext
