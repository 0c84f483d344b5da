// The RTF reader: a single pass over the bytes with an explicit stack of
// group states. Each group starts with a copy of its parent's state (format,
// destination, Unicode fallback count) and the closing brace restores the
// parent's, as RTF groups do.
#include "reports/rtf/rtf_reader.h"

#include "util/text_encoding.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <string>
#include <vector>

namespace verdalis::rtf {

namespace {

constexpr std::string_view rtfSignature = "{\\rtf";
constexpr size_t maxControlWordLength = 32;
constexpr size_t maxParameterDigits = 10;
constexpr int defaultUnicodeFallbackCount = 1;
constexpr int maxUnicodeFallbackCount = 16;
constexpr int maxFontHalfPoints = 3276; // the largest size a word processor offers (1638 pt)
constexpr int maxColorComponent = 255;

constexpr char32_t nonBreakingSpace = 0x00A0;
constexpr char32_t nonBreakingHyphen = 0x2011;
constexpr char32_t highSurrogateFirst = 0xD800;
constexpr char32_t lowSurrogateFirst = 0xDC00;
constexpr char32_t lowSurrogateLast = 0xDFFF;
constexpr int unicodeParameterWrap = 65536; // \u takes signed 16-bit values

// Destinations whose text is not part of the document, skipped with all
// their groups even when they are not marked ignorable with \*.
constexpr std::array<std::string_view, 34> skippedDestinations = {
    "annotation", "atnauthor", "atnid", "author", "bkmkend", "bkmkstart", "buptim", "colorschememapping",
    "comment", "creatim", "datastore", "docvar", "falt", "fldinst", "footer", "footerf",
    "footerl", "footerr", "footnote", "header", "headerf", "headerl", "headerr", "info",
    "latentstyles", "listtable", "listoverridetable", "nonshppict", "object", "pict", "revtbl", "rsidtbl",
    "stylesheet", "themedata",
};

// Words that stand for one character.
struct CharacterWord {
    std::string_view word;
    char32_t character;
};
constexpr std::array<CharacterWord, 12> characterWords = {{
    {"tab", '\t'},      {"cell", '\t'},       {"line", lineBreak}, {"emdash", 0x2014},
    {"endash", 0x2013}, {"bullet", 0x2022},   {"lquote", 0x2018},  {"rquote", 0x2019},
    {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", ' '},  {"enspace", ' '},
}};

// Words that end a paragraph: tables, pages and sections become paragraphs.
constexpr std::array<std::string_view, 4> paragraphWords = {"par", "row", "page", "sect"};

enum class Destination { Text, FontTable, ColorTable, Skip };

struct GroupState {
    CharFormat format;
    int fontNumber = -1;
    Destination destination = Destination::Text;
    int unicodeFallbackCount = defaultUnicodeFallbackCount;
    bool ignorableDestination = false; // a \* opened this group
};

struct ControlWord {
    std::string_view word;
    bool hasParameter = false;
    int parameter = 0;
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (isDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

template <size_t N>
bool contains(const std::array<std::string_view, N>& words, std::string_view word)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

class Reader {
public:
    explicit Reader(std::string_view data) : data_(data) {}

    Document read()
    {
        if (!looksLikeRtf(data_)) {
            throw RtfError("The file is not a rich text (RTF) document.");
        }
        stack_.emplace_back();
        while (pos_ < data_.size() && !finished_) {
            step();
        }
        flushText();
        if (!paragraph_.empty()) {
            document_.appendParagraph(std::move(paragraph_));
        }
        return std::move(document_);
    }

private:
    GroupState& state() { return stack_.back(); }

    void step()
    {
        const char c = data_[pos_];
        if (c == '{') {
            ++pos_;
            openGroup();
        } else if (c == '}') {
            ++pos_;
            closeGroup();
        } else if (c == '\\') {
            ++pos_;
            readControl();
        } else {
            ++pos_;
            if (c != '\r' && c != '\n') {
                addByte(static_cast<uint8_t>(c));
            }
        }
    }

    void openGroup()
    {
        flushText();
        // The outermost group is the document itself, below the reader's base state.
        if (stack_.size() > maxGroupDepth) {
            throw RtfError("The rich text document nests groups deeper than " + std::to_string(maxGroupDepth) +
                           " levels.");
        }
        GroupState inner = state();
        inner.ignorableDestination = false;
        stack_.push_back(std::move(inner));
        fallbackToSkip_ = 0;
    }

    void closeGroup()
    {
        flushText();
        if (state().destination == Destination::FontTable) {
            commitFont();
        }
        fallbackToSkip_ = 0;
        if (stack_.size() <= 2) {
            finished_ = true; // the document's own group has closed
            return;
        }
        stack_.pop_back();
    }

    void readControl()
    {
        if (pos_ >= data_.size()) {
            return;
        }
        if (isLetter(data_[pos_])) {
            const ControlWord word = readControlWord();
            if (!consumeFallback()) {
                applyWord(word);
            }
            return;
        }
        readControlSymbol();
    }

    ControlWord readControlWord()
    {
        const size_t start = pos_;
        while (pos_ < data_.size() && isLetter(data_[pos_])) {
            ++pos_;
        }
        ControlWord result;
        result.word = data_.substr(start, std::min(pos_ - start, maxControlWordLength + 1));
        const bool negative = pos_ < data_.size() && data_[pos_] == '-';
        const size_t digitsStart = negative ? pos_ + 1 : pos_;
        size_t end = digitsStart;
        long long value = 0;
        while (end < data_.size() && isDigit(data_[end])) {
            if (end - digitsStart < maxParameterDigits) {
                value = value * 10 + (data_[end] - '0');
            }
            ++end;
        }
        if (end > digitsStart) {
            constexpr long long intMax = std::numeric_limits<int>::max();
            result.hasParameter = true;
            result.parameter = static_cast<int>(std::clamp(negative ? -value : value, -intMax, intMax));
            pos_ = end;
        }
        if (pos_ < data_.size() && data_[pos_] == ' ') {
            ++pos_; // the delimiter belongs to the control word
        }
        return result;
    }

    void readControlSymbol()
    {
        const char symbol = data_[pos_++];
        if (symbol == '\'') {
            const int high = pos_ < data_.size() ? hexValue(data_[pos_]) : -1;
            const int low = pos_ + 1 < data_.size() ? hexValue(data_[pos_ + 1]) : -1;
            if (high < 0 || low < 0) {
                return; // a broken escape is left out
            }
            pos_ += 2;
            if (!consumeFallback()) {
                addCharacter(fromWindows1252(static_cast<uint8_t>(high * 16 + low)));
            }
            return;
        }
        if (consumeFallback()) {
            return;
        }
        switch (symbol) {
        case '\\':
        case '{':
        case '}':
            addCharacter(static_cast<unsigned char>(symbol));
            break;
        case '~':
            addCharacter(nonBreakingSpace);
            break;
        case '_':
            addCharacter(nonBreakingHyphen);
            break;
        case '*':
            // Marks the group it opens as a destination to skip when unknown;
            // the document's own group is never skipped.
            if (stack_.size() > 2) {
                state().ignorableDestination = true;
            }
            break;
        case '\r':
        case '\n':
            endParagraph();
            break;
        default:
            break; // optional hyphens, index marks and unknown symbols show nothing
        }
    }

    void applyWord(const ControlWord& w)
    {
        if (state().destination == Destination::Skip) {
            if (w.word == "bin") {
                skipBinary(w);
            }
            return;
        }
        flushText(); // the text so far keeps the format it was read in
        if (applyDestination(w.word)) {
            return;
        }
        if (applyFormat(w)) {
            return;
        }
        for (const CharacterWord& entry : characterWords) {
            if (entry.word == w.word) {
                addCharacter(entry.character);
                return;
            }
        }
        if (contains(paragraphWords, w.word)) {
            endParagraph();
        } else if (w.word == "u" && w.hasParameter) {
            addUnicode(w.parameter);
        } else if (w.word == "uc" && w.hasParameter) {
            state().unicodeFallbackCount = std::clamp(w.parameter, 0, maxUnicodeFallbackCount);
        } else if (w.word == "deff" && w.hasParameter) {
            defaultFontNumber_ = w.parameter;
        } else if (w.word == "f" && w.hasParameter) {
            setFont(w.parameter);
        } else if (w.word == "red" || w.word == "green" || w.word == "blue") {
            setColorComponent(w);
        } else if (w.word == "bin") {
            skipBinary(w);
        }
    }

    // Switches the group to a destination; false when the word names none.
    bool applyDestination(std::string_view word)
    {
        Destination destination;
        if (word == "fonttbl") {
            destination = Destination::FontTable;
        } else if (word == "colortbl") {
            destination = Destination::ColorTable;
            colorPending_ = {};
        } else if (contains(skippedDestinations, word) || state().ignorableDestination) {
            destination = Destination::Skip;
        } else {
            return false;
        }
        state().destination = destination;
        return true;
    }

    bool applyFormat(const ControlWord& w)
    {
        const bool on = !w.hasParameter || w.parameter != 0;
        CharFormat& format = state().format;
        if (w.word == "b") {
            format.style.bold = on;
        } else if (w.word == "i") {
            format.style.italic = on;
        } else if (w.word == "ulnone") {
            format.style.underline = false;
        } else if (w.word.starts_with("ul") && w.word != "ulc") {
            format.style.underline = on; // \ul and its dotted, double and word variants
        } else if (w.word == "plain") {
            format = CharFormat{};
            state().fontNumber = defaultFontNumber_;
        } else if (w.word == "fs") {
            format.fontHalfPoints =
                w.hasParameter && w.parameter > 0 ? std::min(w.parameter, maxFontHalfPoints) : defaultFontHalfPoints;
        } else if (w.word == "cf") {
            const size_t index = w.hasParameter && w.parameter > 0 ? static_cast<size_t>(w.parameter) : 0;
            format.color = index < colors_.size() ? colors_[index] : colors::black;
        } else {
            return false;
        }
        return true;
    }

    void setFont(int number)
    {
        if (state().destination == Destination::FontTable) {
            commitFont();
            fontNumberPending_ = number;
        } else {
            state().fontNumber = number;
        }
    }

    void setColorComponent(const ControlWord& w)
    {
        if (state().destination != Destination::ColorTable) {
            return;
        }
        const auto value = static_cast<uint8_t>(std::clamp(w.hasParameter ? w.parameter : 0, 0, maxColorComponent));
        if (w.word == "red") {
            colorPending_.red = value;
        } else if (w.word == "green") {
            colorPending_.green = value;
        } else {
            colorPending_.blue = value;
        }
    }

    void skipBinary(const ControlWord& w)
    {
        const size_t length = w.hasParameter && w.parameter > 0 ? static_cast<size_t>(w.parameter) : 0;
        pos_ += std::min(length, data_.size() - pos_);
    }

    // Within the fallback of a \u character, the next character or control
    // counts against the fallback and is dropped.
    bool consumeFallback()
    {
        if (fallbackToSkip_ == 0) {
            return false;
        }
        --fallbackToSkip_;
        return true;
    }

    void addUnicode(int parameter)
    {
        const auto unit = static_cast<char32_t>(parameter < 0 ? parameter + unicodeParameterWrap : parameter);
        fallbackToSkip_ = state().unicodeFallbackCount;
        if (unit >= highSurrogateFirst && unit < lowSurrogateFirst) {
            highSurrogate_ = unit;
            return;
        }
        if (unit >= lowSurrogateFirst && unit <= lowSurrogateLast) {
            if (highSurrogate_ != 0) {
                const char32_t high = highSurrogate_;
                highSurrogate_ = 0;
                addCharacter(0x10000 + ((high - highSurrogateFirst) << 10) + (unit - lowSurrogateFirst));
            } else {
                addCharacter(replacementCharacter);
            }
            return;
        }
        addCharacter(unit);
    }

    void addByte(uint8_t byte)
    {
        if (consumeFallback()) {
            return;
        }
        if (byte == '\t' || byte >= ' ') {
            addCharacter(fromWindows1252(byte));
        }
    }

    void addCharacter(char32_t character)
    {
        if (character < ' ' && character != '\t' && character != static_cast<char32_t>(lineBreak)) {
            return; // control characters have no place in a document
        }
        if (highSurrogate_ != 0) {
            highSurrogate_ = 0;
            appendUtf8(pendingText_, replacementCharacter); // a high surrogate without its pair
        }
        switch (state().destination) {
        case Destination::Text:
            appendUtf8(pendingText_, character);
            break;
        case Destination::FontTable:
            if (character == ';') {
                commitFont();
            } else {
                appendUtf8(fontName_, character);
            }
            break;
        case Destination::ColorTable:
            if (character == ';') {
                colors_.push_back(colorPending_);
                colorPending_ = {};
            }
            break;
        case Destination::Skip:
            break;
        }
    }

    void commitFont()
    {
        if (fontNumberPending_ >= 0 && !fontName_.empty()) {
            fonts_[fontNumberPending_] = fontName_;
            if (fontNumberPending_ == defaultFontNumber_) {
                document_.defaultFontName = fontName_;
            }
        }
        fontNumberPending_ = -1;
        fontName_.clear();
    }

    // Text gathers between controls and joins the paragraph in the format
    // that was in effect while it was read.
    void flushText()
    {
        if (pendingText_.empty()) {
            return;
        }
        CharFormat format = state().format;
        const auto font = fonts_.find(state().fontNumber < 0 ? defaultFontNumber_ : state().fontNumber);
        if (font != fonts_.end() && font->second != document_.defaultFontName) {
            format.fontName = font->second;
        }
        paragraph_.append(pendingText_, format);
        pendingText_.clear();
    }

    void endParagraph()
    {
        if (state().destination != Destination::Text) {
            return;
        }
        flushText();
        document_.appendParagraph(std::move(paragraph_));
        paragraph_ = Paragraph{};
    }

    std::string_view data_;
    size_t pos_ = 0;
    bool finished_ = false;
    std::vector<GroupState> stack_;
    Document document_;
    Paragraph paragraph_;
    std::string pendingText_;
    int fallbackToSkip_ = 0;
    char32_t highSurrogate_ = 0;
    int defaultFontNumber_ = 0;
    std::map<int, std::string> fonts_;
    int fontNumberPending_ = -1;
    std::string fontName_;
    std::vector<Color> colors_;
    Color colorPending_;
};

} // namespace

bool looksLikeRtf(std::string_view data)
{
    return data.starts_with(rtfSignature);
}

Document readRtf(std::string_view data)
{
    return Reader(data).read();
}

} // namespace verdalis::rtf
