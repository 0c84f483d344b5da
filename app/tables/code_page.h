// Text on disk is Windows-1252 in both table formats; in memory it is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace verdalis {

// Every byte of Windows-1252 has a character except 0x81, 0x8D, 0x8F, 0x90
// and 0x9D, which no writer of ours produces; they read as the C1 control
// character of the same value so that reading never fails.
std::string windows1252ToUtf8(std::string_view bytes);

// Raises TableError naming `column` when a character has no Windows-1252
// byte or the text is not valid UTF-8.
std::string utf8ToWindows1252(std::string_view text, std::string_view column);

// The number of characters (code points) in a UTF-8 text.
size_t utf8Length(std::string_view text);

} // namespace verdalis
