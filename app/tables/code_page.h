// Text on disk is Windows-1252 in both table formats; in memory it is UTF-8.
// Reading uses windows1252ToUtf8 of util/text_encoding.h, which never fails.
#pragma once

#include <string>
#include <string_view>

namespace verdalis {

// Raises TableError naming `column` when a character has no Windows-1252
// byte or the text is not valid UTF-8.
std::string utf8ToWindows1252(std::string_view text, std::string_view column);

} // namespace verdalis
