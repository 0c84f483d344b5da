// The text of a Windows-style initialisation file: sections in square
// brackets, key=value lines, ";" comment lines. Section and key names compare
// without regard to case; the first section and the first key of a name win.
// Changing a key rewrites that one line (or adds one) and leaves every other
// line — comments, blank lines, order, line endings, other keys' spelling —
// exactly as it was.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

// Raised for a section or key name, or a value, that a settings file cannot
// hold (a line break in it, a "]" in a section name, a "=" in a key).
class SettingsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsText {
public:
    explicit SettingsText(std::string_view content = {});

    // The key's value with blanks trimmed and one pair of enclosing quotes
    // (" or ') removed, as Windows returns it; nothing when the section or
    // the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    bool hasSection(std::string_view section) const;
    bool hasKey(std::string_view section, std::string_view key) const;
    std::vector<std::string> sectionNames() const;
    std::vector<std::string> keys(std::string_view section) const;
    // Every line of the section that is neither blank nor a comment, trimmed:
    // "key=value", or a bare entry without "=".
    std::vector<std::string> entries(std::string_view section) const;

    // Sets the key: rewrites its line, or adds the line after the section's
    // last entry, or appends the section at the end of the text.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key's line; false when there was none.
    bool removeKey(std::string_view section, std::string_view key);

    std::string text() const;

private:
    struct Line {
        std::string text;
        std::string ending;
    };
    struct SectionRange {
        size_t header;
        size_t end;
    };

    std::optional<SectionRange> findSection(std::string_view section) const;
    std::vector<size_t> entryLines(const SectionRange& range) const;
    std::optional<size_t> findKey(const SectionRange& range, std::string_view key) const;
    void appendLine(std::string text);

    std::string byteOrderMark_;
    std::vector<Line> lines_;
    std::string newline_;
};

} // namespace verdalis
