// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8 <-> Windows-1252, the single-byte code page of data and table files.

#include <optional>
#include <string>
#include <string_view>

namespace fileformat {

// Every byte maps to a character; the five bytes Windows-1252 leaves undefined
// are read as the C1 control of the same value.
std::string cp1252ToUtf8(std::string_view bytes);
// nullopt when the text holds a character Windows-1252 cannot hold, or is not valid UTF-8.
std::optional<std::string> utf8ToCp1252(std::string_view text);

struct UnencodableCharacter {
    std::string utf8; // the character as it appears in the text
    char32_t codePoint;
};
// Why utf8ToCp1252 refuses a valid UTF-8 text: its first character that
// Windows-1252 cannot hold. nullopt when every character fits, or when the
// text stops being valid UTF-8 before such a character.
std::optional<UnencodableCharacter> firstUnencodableCharacter(std::string_view text);

} // namespace fileformat
