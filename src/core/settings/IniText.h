#pragma once

#include <optional>
#include <string>
#include <string_view>

// The text of an INI file, read and changed the way the classic profile-file
// functions do it: section and key names match without regard to case (Latin
// and Windows-1251 Cyrillic letters), the first section and the first key of a
// name win, values are trimmed and cut to their first 2047 characters.
namespace quolan::ini {

inline constexpr std::size_t kValueLimit = 2047;

bool namesEqual(std::string_view a, std::string_view b);

// The value of a key, or nothing when the section or the key is missing.
std::optional<std::string> find(std::string_view file, std::string_view section,
                                std::string_view key);

// The file with the key set to the value. Every other byte stays as it was:
// an existing entry has its value replaced in place, a new key goes after the
// last entry of its section, a new section at the end of the file. The value
// reads back as written (less line breaks, up to the length limit): one with
// blanks at either end or in quotes of its own is put in double quotes. An
// entry that already reads as the value is left as it is.
std::string withValue(std::string_view file, std::string_view section, std::string_view key,
                      std::string_view value);

// An integer as the profile functions read one: decimal with an optional
// sign, or hexadecimal after "$", "0x" or "0X"; nothing for anything else.
std::optional<int> parseInteger(std::string_view value);

} // namespace quolan::ini
