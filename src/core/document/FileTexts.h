#pragma once

#include "core/app/LanguagePair.h"

namespace quolan::file_text {

// Asked by the save dialog before it replaces a file; the path follows.
inline constexpr LanguagePair ReplaceFileQuestion{"Такой файл уже есть. Заменить его?\n",
                                                  "The file already exists. Replace it?\n"};
inline constexpr LanguagePair ReplaceButton{"Заменить", "Replace"};
inline constexpr LanguagePair KeepButton{"Не заменять", "Keep it"};

// Why a pipe, a device or a socket is not opened: reading one may wait for
// ever or never end.
inline constexpr LanguagePair NotRegularFile{"Это не обычный файл (канал, устройство или сокет)",
                                             "Not a regular file (a pipe, a device or a socket)"};

} // namespace quolan::file_text
