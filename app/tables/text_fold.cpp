#include "tables/text_fold.h"

#include <cstdint>

namespace verdalis {
namespace {

// Lower-case partners of the upper-case letters above ASCII in Windows-1252.
char32_t lowerCase(char32_t c)
{
    if (c >= 'A' && c <= 'Z') {
        return c + ('a' - 'A');
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) {
        return c + 0x20;
    }
    switch (c) {
    case 0x0160: return 0x0161;
    case 0x0152: return 0x0153;
    case 0x017D: return 0x017E;
    case 0x0178: return 0x00FF;
    default: return c;
    }
}

bool isAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<uint8_t>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string foldCase(std::string_view text)
{
    std::string out(text);
    if (isAscii(text)) {
        for (char& c : out) {
            c = static_cast<char>(lowerCase(static_cast<uint8_t>(c)));
        }
        return out;
    }
    // Two-byte sequences cover every letter that folds; longer sequences and
    // malformed bytes are copied unchanged.
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<uint8_t>(text[i]);
        if ((lead & 0xE0) == 0xC0 && i + 1 < text.size() && (static_cast<uint8_t>(text[i + 1]) & 0xC0) == 0x80) {
            const char32_t c = ((lead & 0x1F) << 6) | (static_cast<uint8_t>(text[i + 1]) & 0x3F);
            const char32_t lower = lowerCase(c);
            out += static_cast<char>(0xC0 | (lower >> 6));
            out += static_cast<char>(0x80 | (lower & 0x3F));
            ++i;
        } else {
            out += static_cast<char>(lead < 0x80 ? lowerCase(lead) : lead);
        }
    }
    return out;
}

} // namespace verdalis
