#include "tables/code_page.h"

#include "tables/table_error.h"

#include <array>
#include <cstdint>

namespace verdalis {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the upper half equals
// Latin-1.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

int windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    for (size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == c) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

// Decodes one code point at `pos`, advancing it; -1 for malformed input.
int64_t nextCodePoint(std::string_view text, size_t& pos)
{
    const auto lead = static_cast<uint8_t>(text[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    char32_t c = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else {
        return -1;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (static_cast<uint8_t>(text[pos]) & 0xC0) != 0x80) {
            return -1;
        }
        c = (c << 6) | (static_cast<uint8_t>(text[pos++]) & 0x3F);
    }
    return c;
}

} // namespace

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto b = static_cast<uint8_t>(byte);
        appendUtf8(out, b >= 0x80 && b < 0xA0 ? kHighControlRange[b - 0x80] : char32_t{b});
    }
    return out;
}

std::string utf8ToWindows1252(std::string_view text, std::string_view column)
{
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t start = pos;
        const int64_t c = nextCodePoint(text, pos);
        if (c < 0) {
            throw TableError("column " + std::string(column) + ": the text is not valid UTF-8");
        }
        const int byte = windows1252Byte(static_cast<char32_t>(c));
        if (byte < 0) {
            throw TableError("column " + std::string(column) + ": the character '"
                             + std::string(text.substr(start, pos - start))
                             + "' cannot be stored (tables hold Windows-1252 text)");
        }
        out += static_cast<char>(byte);
    }
    return out;
}

size_t utf8Length(std::string_view text)
{
    size_t count = 0;
    for (const char c : text) {
        if ((static_cast<uint8_t>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

} // namespace verdalis
