#include "ui/rich_text.h"

#include "reports/rtf/document_file.h"

#include <algorithm>

namespace verdalis::ui {

void RichText::setDocument(rtf::Document document)
{
    document_ = std::move(document);
    contentChanged();
}

void RichText::clear()
{
    setDocument({});
}

std::string RichText::line(size_t index) const
{
    return index < document_.paragraphCount() ? document_.paragraphs()[index].text() : std::string();
}

void RichText::appendLine(std::string_view text)
{
    document_.appendText(text, insertionFormat_);
    contentChanged();
}

void RichText::appendLine(std::string_view text, const rtf::CharFormat& format)
{
    insertionFormat_ = format;
    appendLine(text);
}

void RichText::insertLine(size_t index, std::string_view text, const rtf::CharFormat& format)
{
    document_.insertText(index, text, format);
    contentChanged();
}

void RichText::deleteLine(size_t index)
{
    document_.removeParagraph(index);
    contentChanged();
}

void RichText::load(const std::filesystem::path& path)
{
    setDocument(rtf::loadDocument(path));
}

void RichText::setReadOnly(bool readOnly)
{
    assign(readOnly_, readOnly, Property::ReadOnly);
}

void RichText::setWordWrap(bool wrap)
{
    assign(wordWrap_, wrap, Property::Font);
}

std::optional<size_t> RichText::find(std::string_view text, size_t from, rtf::FindOptions options) const
{
    return document_.find(text, from, options);
}

void RichText::select(size_t start, size_t length)
{
    const size_t total = document_.length();
    selStart_ = std::min(start, total);
    selLength_ = std::min(length, total - selStart_);
    changed(Property::Selection);
}

void RichText::setSelectionColor(Color color)
{
    document_.colorRange(selStart_, selLength_, color);
    changed(Property::Document);
}

void RichText::setSelectionStyle(rtf::FontStyle style)
{
    document_.styleRange(selStart_, selLength_, style);
    changed(Property::Document);
}

void RichText::contentChanged()
{
    selStart_ = std::min(selStart_, document_.length());
    selLength_ = std::min(selLength_, document_.length() - selStart_);
    changed(Property::Document);
}

} // namespace verdalis::ui
