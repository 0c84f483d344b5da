// The RTF writer and the plain text export.
#include "reports/rtf/rtf_writer.h"

#include "util/text_encoding.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace verdalis::rtf {

namespace {

constexpr std::string_view header = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
constexpr char unicodeFallback = '?';
constexpr char32_t firstSupplementary = 0x10000;
constexpr char32_t highSurrogateFirst = 0xD800;
constexpr char32_t lowSurrogateFirst = 0xDC00;
constexpr int unicodeParameterWrap = 65536;
constexpr int largestPositiveUnicodeParameter = 32767;

// The fonts and colours a document uses, each numbered in order of first use.
// Font 0 is the document's default font; colour 0 is the automatic colour,
// never referred to, so that every run names its colour explicitly.
class Tables {
public:
    explicit Tables(const Document& document)
    {
        number(fonts_, fontNumbers_, document.defaultFontName, document.defaultFontName);
        for (const Paragraph& paragraph : document.paragraphs()) {
            for (const Run& run : paragraph.runs) {
                fontNumber(run.format);
                colorNumber(run.format.color);
            }
        }
    }

    const std::vector<std::string>& fonts() const { return fonts_; }
    const std::vector<Color>& colors() const { return colors_; }

    size_t fontNumber(const CharFormat& format)
    {
        const std::string& name = format.fontName.empty() ? fonts_.front() : format.fontName;
        return number(fonts_, fontNumbers_, name, name);
    }

    size_t colorNumber(Color color)
    {
        const uint32_t key = (uint32_t{color.red} << 16) | (uint32_t{color.green} << 8) | color.blue;
        return number(colors_, colorNumbers_, color, key) + 1;
    }

private:
    // The number of a value, numbering it when it is new.
    template <class T, class Key>
    static size_t number(std::vector<T>& values, std::map<Key, size_t>& numbers, const T& value, const Key& key)
    {
        const auto [entry, added] = numbers.try_emplace(key, values.size());
        if (added) {
            values.push_back(value);
        }
        return entry->second;
    }

    std::vector<std::string> fonts_;
    std::map<std::string, size_t> fontNumbers_;
    std::vector<Color> colors_;
    std::map<uint32_t, size_t> colorNumbers_;
};

void writeUnicodeUnit(std::string& out, char32_t unit)
{
    const int value = static_cast<int>(unit);
    const int parameter = value > largestPositiveUnicodeParameter ? value - unicodeParameterWrap : value;
    out += "\\u" + std::to_string(parameter) + unicodeFallback;
}

void writeCharacter(std::string& out, char32_t c)
{
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c == '\t') {
        out += "\\tab ";
    } else if (c == static_cast<char32_t>(lineBreak) || c == '\n' || c == '\r') {
        out += "\\line ";
    } else if (c < ' ') {
        return; // other control characters have no place in a document
    } else if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (const auto byte = toWindows1252(c)) {
        char escape[5];
        std::snprintf(escape, sizeof escape, "\\'%02x", static_cast<unsigned>(*byte));
        out += escape;
    } else if (c >= firstSupplementary) {
        const char32_t offset = c - firstSupplementary;
        writeUnicodeUnit(out, highSurrogateFirst + (offset >> 10));
        writeUnicodeUnit(out, lowSurrogateFirst + (offset & 0x3FF));
    } else {
        writeUnicodeUnit(out, c);
    }
}

void writeText(std::string& out, std::string_view text)
{
    for (size_t offset = 0; offset < text.size();) {
        writeCharacter(out, nextCodePoint(text, offset));
    }
}

void writeFontTable(std::string& out, const Tables& tables)
{
    out += "{\\fonttbl";
    for (size_t i = 0; i < tables.fonts().size(); ++i) {
        out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0 ";
        std::string name = tables.fonts()[i];
        std::erase(name, ';'); // the semicolon ends a font name
        writeText(out, name);
        out += ";}";
    }
    out += "}\n";
}

void writeColorTable(std::string& out, const Tables& tables)
{
    out += "{\\colortbl ;";
    for (const Color& color : tables.colors()) {
        out += "\\red" + std::to_string(color.red) + "\\green" + std::to_string(color.green) + "\\blue" +
               std::to_string(color.blue) + ';';
    }
    out += "}\n";
}

void writeFormat(std::string& out, const CharFormat& format, Tables& tables)
{
    out += "\\plain\\f" + std::to_string(tables.fontNumber(format)) + "\\fs" +
           std::to_string(format.fontHalfPoints) + "\\cf" + std::to_string(tables.colorNumber(format.color));
    if (format.style.bold) {
        out += "\\b";
    }
    if (format.style.italic) {
        out += "\\i";
    }
    if (format.style.underline) {
        out += "\\ul";
    }
    out += ' ';
}

} // namespace

std::string writeRtf(const Document& document)
{
    Tables tables(document);
    std::string out(header);
    writeFontTable(out, tables);
    writeColorTable(out, tables);
    out += "\\viewkind4\\pard\n";
    for (const Paragraph& paragraph : document.paragraphs()) {
        for (const Run& run : paragraph.runs) {
            writeFormat(out, run.format, tables);
            writeText(out, run.text);
        }
        out += "\\par\n";
    }
    out += "}\n";
    return out;
}

std::string toPlainText(const Document& document, std::string_view lineEnd)
{
    std::string out;
    for (const Paragraph& paragraph : document.paragraphs()) {
        for (char c : paragraph.text()) {
            if (c == lineBreak) {
                out += lineEnd;
            } else {
                out += c;
            }
        }
        out += lineEnd;
    }
    return out;
}

} // namespace verdalis::rtf
