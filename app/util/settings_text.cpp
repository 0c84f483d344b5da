#include "util/settings_text.h"

#include "util/text_case.h"
#include "util/text_trim.h"

namespace verdalis {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kWindowsNewline = "\r\n";
constexpr char kCommentMarker = ';';
constexpr char kSectionOpen = '[';
constexpr char kSectionClose = ']';
constexpr char kKeyValueSeparator = '=';

enum class LineKind { Blank, Comment, SectionHeader, Entry };

struct ParsedLine {
    LineKind kind = LineKind::Blank;
    std::string_view name;  // section name or key
    std::string_view value; // entry value, trimmed
};

ParsedLine parseLine(std::string_view raw)
{
    const std::string_view line = trimText(raw);
    if (line.empty()) {
        return {};
    }
    if (line.front() == kCommentMarker) {
        return {LineKind::Comment, {}, {}};
    }
    if (line.front() == kSectionOpen) {
        const std::string_view inside = line.substr(1);
        return {LineKind::SectionHeader, trimText(inside.substr(0, inside.find(kSectionClose))), {}};
    }
    const size_t separator = line.find(kKeyValueSeparator);
    if (separator == std::string_view::npos) {
        return {LineKind::Entry, line, {}};
    }
    return {LineKind::Entry, trimText(line.substr(0, separator)), trimText(line.substr(separator + 1))};
}

std::string_view withoutEnclosingQuotes(std::string_view value)
{
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == '"' || value.front() == '\'')) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool holdsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

void checkWritable(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view sectionName = trimText(section);
    const std::string_view keyName = trimText(key);
    if (sectionName.empty() || holdsLineBreak(section) || section.find(kSectionClose) != std::string_view::npos) {
        throw SettingsError("Invalid settings section name [" + std::string(section) + "]");
    }
    if (keyName.empty() || holdsLineBreak(key) || key.find(kKeyValueSeparator) != std::string_view::npos
        || keyName.front() == kCommentMarker || keyName.front() == kSectionOpen) {
        throw SettingsError("Invalid settings key name \"" + std::string(key) + "\"");
    }
    if (holdsLineBreak(value)) {
        throw SettingsError("A settings value cannot hold a line break (key \"" + std::string(key) + "\")");
    }
}

} // namespace

SettingsText::SettingsText(std::string_view content)
{
    if (content.starts_with(kUtf8ByteOrderMark)) {
        byteOrderMark_ = kUtf8ByteOrderMark;
        content.remove_prefix(kUtf8ByteOrderMark.size());
    }
    while (!content.empty()) {
        const size_t newline = content.find('\n');
        if (newline == std::string_view::npos) {
            lines_.push_back({std::string(content), {}});
            break;
        }
        const bool carriageReturn = newline > 0 && content[newline - 1] == '\r';
        const size_t textLength = carriageReturn ? newline - 1 : newline;
        lines_.push_back({std::string(content.substr(0, textLength)), carriageReturn ? "\r\n" : "\n"});
        content.remove_prefix(newline + 1);
    }
    newline_ = (lines_.empty() || lines_.front().ending.empty()) ? std::string(kWindowsNewline) : lines_.front().ending;
}

std::optional<SettingsText::SectionRange> SettingsText::findSection(std::string_view section) const
{
    const std::string_view wanted = trimText(section);
    for (size_t i = 0; i < lines_.size(); ++i) {
        const ParsedLine header = parseLine(lines_[i].text);
        if (header.kind != LineKind::SectionHeader || !equalsIgnoringCase(header.name, wanted)) {
            continue;
        }
        size_t end = i + 1;
        while (end < lines_.size() && parseLine(lines_[end].text).kind != LineKind::SectionHeader) {
            ++end;
        }
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> SettingsText::findKey(const SectionRange& range, std::string_view key) const
{
    const std::string_view wanted = trimText(key);
    for (size_t i = range.header + 1; i < range.end; ++i) {
        const ParsedLine line = parseLine(lines_[i].text);
        if (line.kind == LineKind::Entry && equalsIgnoringCase(line.name, wanted)) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> SettingsText::value(std::string_view section, std::string_view key) const
{
    const auto range = findSection(section);
    if (!range) {
        return std::nullopt;
    }
    const auto line = findKey(*range, key);
    if (!line) {
        return std::nullopt;
    }
    return std::string(withoutEnclosingQuotes(parseLine(lines_[*line].text).value));
}

bool SettingsText::hasSection(std::string_view section) const { return findSection(section).has_value(); }

bool SettingsText::hasKey(std::string_view section, std::string_view key) const
{
    const auto range = findSection(section);
    return range && findKey(*range, key);
}

std::vector<std::string> SettingsText::sectionNames() const
{
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        const ParsedLine parsed = parseLine(line.text);
        if (parsed.kind == LineKind::SectionHeader) {
            names.emplace_back(parsed.name);
        }
    }
    return names;
}

std::vector<size_t> SettingsText::entryLines(const SectionRange& range) const
{
    std::vector<size_t> indexes;
    for (size_t i = range.header + 1; i < range.end; ++i) {
        if (parseLine(lines_[i].text).kind == LineKind::Entry) {
            indexes.push_back(i);
        }
    }
    return indexes;
}

std::vector<std::string> SettingsText::keys(std::string_view section) const
{
    std::vector<std::string> names;
    if (const auto range = findSection(section)) {
        for (const size_t i : entryLines(*range)) {
            names.emplace_back(parseLine(lines_[i].text).name);
        }
    }
    return names;
}

std::vector<std::string> SettingsText::entries(std::string_view section) const
{
    std::vector<std::string> result;
    if (const auto range = findSection(section)) {
        for (const size_t i : entryLines(*range)) {
            result.emplace_back(trimText(lines_[i].text));
        }
    }
    return result;
}

void SettingsText::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    checkWritable(section, key, value);
    const auto range = findSection(section);
    if (!range) {
        if (!lines_.empty() && parseLine(lines_.back().text).kind != LineKind::Blank) {
            appendLine({});
        }
        appendLine(std::string(1, kSectionOpen) + std::string(trimText(section)) + kSectionClose);
        appendLine(std::string(trimText(key)) + kKeyValueSeparator + std::string(value));
        return;
    }
    if (const auto line = findKey(*range, key)) {
        // The key keeps the spelling it already has in the file.
        const std::string storedKey(parseLine(lines_[*line].text).name);
        lines_[*line].text = storedKey + kKeyValueSeparator + std::string(value);
        return;
    }
    const std::vector<size_t> entries = entryLines(*range);
    const size_t insertAfter = entries.empty() ? range->header : entries.back();
    if (lines_[insertAfter].ending.empty()) {
        lines_[insertAfter].ending = newline_;
    }
    const std::string newLine = std::string(trimText(key)) + kKeyValueSeparator + std::string(value);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAfter + 1), Line{newLine, newline_});
}

bool SettingsText::removeKey(std::string_view section, std::string_view key)
{
    const auto range = findSection(section);
    const auto line = range ? findKey(*range, key) : std::nullopt;
    if (!line) {
        return false;
    }
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*line));
    return true;
}

void SettingsText::appendLine(std::string text)
{
    if (!lines_.empty() && lines_.back().ending.empty()) {
        lines_.back().ending = newline_;
    }
    lines_.push_back({std::move(text), newline_});
}

std::string SettingsText::text() const
{
    std::string result = byteOrderMark_;
    for (const Line& line : lines_) {
        result += line.text;
        result += line.ending;
    }
    return result;
}

} // namespace verdalis
