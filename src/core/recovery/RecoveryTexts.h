#pragma once

#include "core/i18n/LanguageTable.h"

namespace quolan {

// The window that offers a post an earlier run left unsaved, and its texts
// in both languages: the built window shows the Russian ones.
inline constexpr std::string_view kRecoveryWindowName = "RecoveryFrm";

inline constexpr LanguageRow kRecoveryRows[] = {
    {kRecoveryWindowName, {}, "Unsaved post", "Несохранённая запись"},
    {kRecoveryWindowName, "Label1",
     "A post was left unsaved when the editor last ended. Restore it?",
     "Когда редактор закрылся в прошлый раз, запись осталась несохранённой. Восстановить её?"},
    {kRecoveryWindowName, "Button1", "Restore", "Восстановить"},
    {kRecoveryWindowName, "Button2", "Discard", "Удалить"},
};

} // namespace quolan
