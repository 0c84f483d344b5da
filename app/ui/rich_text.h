// A rich text box: shows a document, which the program fills line by line,
// loads from a file, searches, selects in and colours.
#pragma once

#include "reports/rtf/document.h"
#include "ui/control.h"

#include <filesystem>
#include <optional>

namespace verdalis::ui {

class RichText : public Control {
public:
    explicit RichText(std::string name) : Control(ControlKind::RichText, std::move(name)) {}

    const rtf::Document& document() const { return document_; }
    void setDocument(rtf::Document document);
    void clear();

    // The lines are the document's paragraphs.
    size_t lineCount() const { return document_.paragraphCount(); }
    std::string line(size_t index) const;

    // The format that text added without one of its own takes; adding a line
    // with a format makes that format the insertion format.
    const rtf::CharFormat& insertionFormat() const { return insertionFormat_; }
    void setInsertionFormat(rtf::CharFormat format) { insertionFormat_ = std::move(format); }
    void appendLine(std::string_view text);
    void appendLine(std::string_view text, const rtf::CharFormat& format);
    // Inserts before the line at index (0 is the first).
    void insertLine(size_t index, std::string_view text, const rtf::CharFormat& format);
    void deleteLine(size_t index);

    // Loads an RTF or plain text file; raises rtf::DocumentFileError or
    // rtf::RtfError and keeps the old content when it cannot.
    void load(const std::filesystem::path& path);

    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);

    // Positions as rtf::Document defines them.
    std::optional<size_t> find(std::string_view text, size_t from = 0, rtf::FindOptions options = {}) const;
    size_t selStart() const { return selStart_; }
    size_t selLength() const { return selLength_; }
    std::string selectedText() const { return document_.textRange(selStart_, selLength_); }
    // Clamped to the document.
    void select(size_t start, size_t length);
    void setSelectionColor(Color color);
    void setSelectionStyle(rtf::FontStyle style);

private:
    void contentChanged();

    rtf::Document document_;
    rtf::CharFormat insertionFormat_;
    bool readOnly_ = false;
    bool wordWrap_ = true;
    size_t selStart_ = 0;
    size_t selLength_ = 0;
};

} // namespace verdalis::ui
