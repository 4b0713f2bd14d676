#pragma once

#include "core/app/LanguagePair.h"

namespace quolan::file_text {

// Asked by the save dialog before it replaces a file; the path follows.
inline constexpr LanguagePair ReplaceFileQuestion{"Такой файл уже есть. Заменить его?\n",
                                                  "The file already exists. Replace it?\n"};
inline constexpr LanguagePair ReplaceButton{"Заменить", "Replace"};
inline constexpr LanguagePair KeepButton{"Не заменять", "Keep it"};

} // namespace quolan::file_text
