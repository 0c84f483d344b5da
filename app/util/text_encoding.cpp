#include "util/text_encoding.h"

#include <algorithm>
#include <array>

namespace verdalis {

namespace {

constexpr char32_t maxCodePoint = 0x10FFFF;
constexpr std::string_view kReplacementCharacterUtf8 = "\xEF\xBF\xBD";
constexpr char32_t surrogateFirst = 0xD800;
constexpr char32_t surrogateLast = 0xDFFF;

// Windows-1252 bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr uint8_t windows1252SpecialFirst = 0x80;
constexpr std::array<char32_t, 32> windows1252Special = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool isSurrogate(char32_t codePoint)
{
    return codePoint >= surrogateFirst && codePoint <= surrogateLast;
}

// Number of continuation bytes after a lead byte, and the lead byte's payload;
// -1 for a byte that cannot start a sequence.
int continuationCount(uint8_t lead, char32_t& payload)
{
    if (lead < 0x80) {
        payload = lead;
        return 0;
    }
    if ((lead & 0xE0) == 0xC0) {
        payload = lead & 0x1F;
        return 1;
    }
    if ((lead & 0xF0) == 0xE0) {
        payload = lead & 0x0F;
        return 2;
    }
    if ((lead & 0xF8) == 0xF0) {
        payload = lead & 0x07;
        return 3;
    }
    return -1;
}

} // namespace

void appendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint > maxCodePoint || isSurrogate(codePoint)) {
        codePoint = replacementCharacter;
    }
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

char32_t nextCodePoint(std::string_view text, size_t& offset)
{
    static constexpr std::array<char32_t, 4> smallestOfLength = {0, 0x80, 0x800, 0x10000};
    char32_t codePoint = 0;
    const int more = continuationCount(static_cast<uint8_t>(text[offset]), codePoint);
    if (more < 0 || text.size() - offset <= static_cast<size_t>(more)) {
        ++offset;
        return replacementCharacter;
    }
    for (int i = 1; i <= more; ++i) {
        const auto byte = static_cast<uint8_t>(text[offset + static_cast<size_t>(i)]);
        if ((byte & 0xC0) != 0x80) {
            ++offset;
            return replacementCharacter;
        }
        codePoint = (codePoint << 6) | (byte & 0x3F);
    }
    if (codePoint < smallestOfLength[static_cast<size_t>(more)] || codePoint > maxCodePoint ||
        isSurrogate(codePoint)) {
        ++offset;
        return replacementCharacter;
    }
    offset += static_cast<size_t>(more) + 1;
    return codePoint;
}

size_t toCharacterStart(std::string_view text, size_t offset)
{
    offset = std::min(offset, text.size());
    while (offset > 0 && offset < text.size() && (static_cast<uint8_t>(text[offset]) & 0xC0) == 0x80) {
        --offset;
    }
    return offset;
}

size_t characterCount(std::string_view text)
{
    size_t count = 0;
    for (char c : text) {
        count += (static_cast<uint8_t>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

char32_t fromWindows1252(uint8_t byte)
{
    if (byte >= windows1252SpecialFirst && byte < windows1252SpecialFirst + windows1252Special.size()) {
        return windows1252Special[byte - windows1252SpecialFirst];
    }
    return byte;
}

std::optional<uint8_t> toWindows1252(char32_t codePoint)
{
    if (codePoint < windows1252SpecialFirst || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<uint8_t>(codePoint);
    }
    for (size_t i = 0; i < windows1252Special.size(); ++i) {
        if (windows1252Special[i] == codePoint) {
            return static_cast<uint8_t>(windows1252SpecialFirst + i);
        }
    }
    return std::nullopt;
}

bool isValidUtf8(std::string_view text)
{
    for (size_t offset = 0; offset < text.size();) {
        const size_t start = offset;
        // A replacement character that was not written as one marks a bad sequence.
        if (nextCodePoint(text, offset) == replacementCharacter &&
            text.substr(start, offset - start) != kReplacementCharacterUtf8) {
            return false;
        }
    }
    return true;
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        appendUtf8(out, fromWindows1252(static_cast<uint8_t>(byte)));
    }
    return out;
}

} // namespace verdalis
