// The two text encodings the program meets: UTF-8, which it holds in memory,
// and Windows-1252, the code page of tables, RTF files and settings written
// for Windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

inline constexpr char32_t replacementCharacter = 0xFFFD;

// Appends the UTF-8 form of a code point; surrogates and values beyond
// U+10FFFF are written as the replacement character.
void appendUtf8(std::string& out, char32_t codePoint);

// Reads the code point at offset and advances offset past it. Invalid or
// truncated sequences give the replacement character and advance one byte.
char32_t nextCodePoint(std::string_view text, size_t& offset);

// Moves a byte offset (clamped to the text) back to the start of the UTF-8
// sequence it falls in, so that text is never cut inside a character.
size_t toCharacterStart(std::string_view text, size_t offset);

// The number of characters (code points) of UTF-8 text.
size_t characterCount(std::string_view text);

// The text's lines, split at "\r\n", "\r" and "\n"; a text that ends with a
// line end has an empty last line, and every text has at least one line.
std::vector<std::string_view> splitLines(std::string_view text);

// The code point of a Windows-1252 byte. The five bytes the code page leaves
// unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) give the C1 control character of
// the same value, as Windows reads them, so every byte reads and writes back.
char32_t fromWindows1252(uint8_t byte);

// The Windows-1252 byte of a code point, when the code page has one.
std::optional<uint8_t> toWindows1252(char32_t codePoint);

// True when the text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

// A whole Windows-1252 text as UTF-8.
std::string windows1252ToUtf8(std::string_view bytes);

} // namespace verdalis
