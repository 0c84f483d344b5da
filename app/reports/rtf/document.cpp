// The rich text document: building, searching and formatting ranges.
#include "reports/rtf/document.h"

#include "util/text_encoding.h"

#include <algorithm>

namespace verdalis::rtf {

namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::vector<Paragraph> paragraphsOf(std::string_view text, const CharFormat& format)
{
    std::vector<Paragraph> result;
    for (std::string_view line : splitLines(text)) {
        Paragraph& paragraph = result.emplace_back();
        paragraph.append(line, format);
    }
    return result;
}

size_t paragraphLength(const Paragraph& paragraph)
{
    size_t length = 0;
    for (const Run& run : paragraph.runs) {
        length += run.text.size();
    }
    return length;
}

// Merges neighbouring runs of the same format and drops empty ones.
void normalize(Paragraph& paragraph)
{
    std::vector<Run> merged;
    for (Run& run : paragraph.runs) {
        if (run.text.empty()) {
            continue;
        }
        if (!merged.empty() && merged.back().format == run.format) {
            merged.back().text += run.text;
        } else {
            merged.push_back(std::move(run));
        }
    }
    paragraph.runs = std::move(merged);
}

// Applies change to the bytes [from, to) of the paragraph's text.
void formatWithinParagraph(Paragraph& paragraph, size_t from, size_t to,
                           const std::function<void(CharFormat&)>& change)
{
    std::vector<Run> pieces;
    size_t runStart = 0;
    for (Run& run : paragraph.runs) {
        const size_t runEnd = runStart + run.text.size();
        const size_t cutFrom = toCharacterStart(run.text, std::clamp(from, runStart, runEnd) - runStart);
        const size_t cutTo = toCharacterStart(run.text, std::clamp(to, runStart, runEnd) - runStart);
        Run inside{run.text.substr(cutFrom, cutTo - cutFrom), run.format};
        change(inside.format);
        pieces.push_back({run.text.substr(0, cutFrom), run.format});
        pieces.push_back(std::move(inside));
        pieces.push_back({run.text.substr(cutTo), run.format});
        runStart = runEnd;
    }
    paragraph.runs = std::move(pieces);
    normalize(paragraph);
}

} // namespace

std::string Paragraph::text() const
{
    std::string result;
    for (const Run& run : runs) {
        result += run.text;
    }
    return result;
}

void Paragraph::append(std::string_view text, const CharFormat& format)
{
    if (text.empty()) {
        return;
    }
    if (!runs.empty() && runs.back().format == format) {
        runs.back().text += text;
    } else {
        runs.push_back({std::string(text), format});
    }
}

void Document::appendText(std::string_view text, const CharFormat& format)
{
    for (Paragraph& paragraph : paragraphsOf(text, format)) {
        paragraphs_.push_back(std::move(paragraph));
    }
}

void Document::appendParagraph(Paragraph paragraph)
{
    normalize(paragraph);
    paragraphs_.push_back(std::move(paragraph));
}

void Document::insertText(size_t index, std::string_view text, const CharFormat& format)
{
    std::vector<Paragraph> inserted = paragraphsOf(text, format);
    const auto at = paragraphs_.begin() + static_cast<std::ptrdiff_t>(std::min(index, paragraphs_.size()));
    paragraphs_.insert(at, std::make_move_iterator(inserted.begin()), std::make_move_iterator(inserted.end()));
}

void Document::removeParagraph(size_t index)
{
    if (index < paragraphs_.size()) {
        paragraphs_.erase(paragraphs_.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

std::string Document::text() const
{
    std::string result;
    for (size_t i = 0; i < paragraphs_.size(); ++i) {
        if (i > 0) {
            result += paragraphBreak;
        }
        result += paragraphs_[i].text();
    }
    return result;
}

size_t Document::length() const
{
    size_t length = paragraphs_.empty() ? 0 : paragraphs_.size() - 1;
    for (const Paragraph& paragraph : paragraphs_) {
        length += paragraphLength(paragraph);
    }
    return length;
}

std::string Document::textRange(size_t start, size_t length) const
{
    const std::string all = text();
    if (start >= all.size()) {
        return {};
    }
    return all.substr(start, length);
}

std::optional<size_t> Document::find(std::string_view needle, size_t from, FindOptions options) const
{
    const std::string haystack = text();
    if (needle.empty() || from >= haystack.size()) {
        return std::nullopt;
    }
    const auto equal = [&](char a, char b) {
        return options.matchCase ? a == b : asciiLower(a) == asciiLower(b);
    };
    const auto begin = haystack.begin() + static_cast<std::ptrdiff_t>(from);
    const auto found = std::search(begin, haystack.end(), needle.begin(), needle.end(), equal);
    if (found == haystack.end()) {
        return std::nullopt;
    }
    return static_cast<size_t>(found - haystack.begin());
}

void Document::formatRange(size_t start, size_t length, const std::function<void(CharFormat&)>& change)
{
    const size_t end = start + std::min(length, this->length() - std::min(start, this->length()));
    size_t paragraphStart = 0;
    for (Paragraph& paragraph : paragraphs_) {
        const size_t paragraphEnd = paragraphStart + paragraphLength(paragraph);
        if (paragraphStart >= end) {
            break;
        }
        if (paragraphEnd > start) {
            formatWithinParagraph(paragraph, std::max(start, paragraphStart) - paragraphStart,
                                  std::min(end, paragraphEnd) - paragraphStart, change);
        }
        paragraphStart = paragraphEnd + 1; // the paragraph break
    }
}

void Document::colorRange(size_t start, size_t length, Color color)
{
    formatRange(start, length, [color](CharFormat& format) { format.color = color; });
}

void Document::styleRange(size_t start, size_t length, FontStyle style)
{
    formatRange(start, length, [style](CharFormat& format) { format.style = style; });
}

} // namespace verdalis::rtf
