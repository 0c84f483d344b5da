#include "gui/text_document.h"

#include "gui/qt_text.h"
#include "util/text_case.h"

#include <QFontDatabase>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

namespace verdalis::gui {

namespace {

bool isFixedPitchName(std::string_view fontName)
{
    const std::string name = toLowerAscii(fontName);
    return name.find("courier") != std::string::npos || name.find("mono") != std::string::npos
           || name == "fixedsys" || name == "terminal";
}

QFont fontOf(const std::string& fontName)
{
    if (isFixedPitchName(fontName)) {
        return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    }
    QFont font(toQt(fontName));
    return font;
}

QTextCharFormat charFormatOf(const rtf::CharFormat& format, const std::string& defaultFont)
{
    QTextCharFormat result;
    QFont font = fontOf(format.fontName.empty() ? defaultFont : format.fontName);
    font.setPointSizeF(format.fontHalfPoints / 2.0);
    font.setBold(format.style.bold);
    font.setItalic(format.style.italic);
    font.setUnderline(format.style.underline);
    result.setFont(font);
    result.setForeground(QColor(format.color.red, format.color.green, format.color.blue));
    return result;
}

} // namespace

void fillTextDocument(QTextDocument& target, const rtf::Document& document)
{
    target.clear();
    target.setDefaultFont(fontOf(document.defaultFontName));
    QTextCursor cursor(&target);
    bool first = true;
    for (const rtf::Paragraph& paragraph : document.paragraphs()) {
        if (!first) {
            cursor.insertBlock();
        }
        first = false;
        for (const rtf::Run& run : paragraph.runs) {
            QString text = toQt(run.text);
            text.replace(QChar(rtf::lineBreak), QChar::LineSeparator);
            cursor.insertText(text, charFormatOf(run.format, document.defaultFontName));
        }
    }
}

} // namespace verdalis::gui
