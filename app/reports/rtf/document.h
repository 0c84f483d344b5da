// The rich text document: paragraphs of runs, each run a piece of UTF-8 text
// in one character format. Reports, manuals and the calculation log are
// documents; the RTF reader and writer convert them to and from files.
//
// Positions address the document's text as one string (see text()): the
// paragraphs joined by '\n', a line break inside a paragraph written as '\v',
// a tab as '\t', every position a byte offset into that UTF-8 string.
#pragma once

#include "reports/rtf/color.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis::rtf {

inline constexpr char lineBreak = '\v';
inline constexpr char paragraphBreak = '\n';
inline constexpr int defaultFontHalfPoints = 24; // 12 pt

// A set of font styles, as the program combines them ("bold italic").
struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;

    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

namespace styles {
inline constexpr FontStyle plain{};
inline constexpr FontStyle bold{true, false, false};
inline constexpr FontStyle italic{false, true, false};
inline constexpr FontStyle underline{false, false, true};
inline constexpr FontStyle boldItalic{true, true, false};
inline constexpr FontStyle boldUnderline{true, false, true};
} // namespace styles

struct CharFormat {
    FontStyle style;
    Color color = colors::black;
    std::string fontName; // empty: the document's default font
    int fontHalfPoints = defaultFontHalfPoints;

    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

struct Run {
    std::string text;
    CharFormat format;

    friend bool operator==(const Run&, const Run&) = default;
};

struct Paragraph {
    std::vector<Run> runs;

    std::string text() const;
    bool empty() const { return runs.empty(); }
    // Appends text, merging it into the last run when the format is the same.
    void append(std::string_view text, const CharFormat& format);

    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

struct FindOptions {
    bool matchCase = false; // letters compared without regard to (ASCII) case unless set
};

class Document {
public:
    // The font of runs whose fontName is empty.
    std::string defaultFontName = "Arial";

    const std::vector<Paragraph>& paragraphs() const { return paragraphs_; }
    size_t paragraphCount() const { return paragraphs_.size(); }
    bool empty() const { return paragraphs_.empty(); }
    void clear() { paragraphs_.clear(); }

    // Appends the text in one format, one paragraph per line: "\r\n", "\r"
    // and "\n" each end a line, as when text is typed or pasted into a rich
    // text box. An empty text appends one empty paragraph.
    void appendText(std::string_view text, const CharFormat& format);
    void appendParagraph(Paragraph paragraph);
    // Inserts the text's paragraphs before the paragraph at index; an index at
    // or past the end appends.
    void insertText(size_t index, std::string_view text, const CharFormat& format);
    // Removes the paragraph at index; an index past the end changes nothing.
    void removeParagraph(size_t index);

    // The whole text (see the header comment) and its length.
    std::string text() const;
    size_t length() const;
    std::string textRange(size_t start, size_t length) const;

    // The first occurrence of needle at or after from, or nothing.
    std::optional<size_t> find(std::string_view needle, size_t from = 0,
                               FindOptions options = {}) const;

    // Changes the format of every character in [start, start + length),
    // splitting runs at the ends of the range. Paragraph breaks in the range
    // are kept; a range beyond the end is cut at the end.
    void formatRange(size_t start, size_t length, const std::function<void(CharFormat&)>& change);
    void colorRange(size_t start, size_t length, Color color);
    void styleRange(size_t start, size_t length, FontStyle style);

    friend bool operator==(const Document&, const Document&) = default;

private:
    std::vector<Paragraph> paragraphs_;
};

} // namespace verdalis::rtf
