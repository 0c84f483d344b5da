#include "gui/qt_pdf_writer.h"

#include "gui/text_document.h"

#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace verdalis::gui {

namespace {

inline constexpr int pdfResolution = 300; // dots per inch of the page layout
inline constexpr qreal pageMarginMillimetres = 15;

} // namespace

void QtPdfWriter::writePdf(const rtf::Document& document, const std::filesystem::path& path)
{
    const QString fileName = QString::fromStdString(path.string());
    // QPdfWriter does not report a file it cannot create; opening the file
    // first does, and the writer then replaces its (empty) contents.
    {
        QFile probe(fileName);
        if (!probe.open(QIODevice::WriteOnly)) {
            throw std::runtime_error("Cannot write " + path.string());
        }
    }
    QPdfWriter writer(fileName);
    writer.setResolution(pdfResolution);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(pageMarginMillimetres, pageMarginMillimetres, pageMarginMillimetres,
                                    pageMarginMillimetres),
                          QPageLayout::Millimeter);
    QTextDocument text;
    fillTextDocument(text, document);
    text.print(&writer);
}

} // namespace verdalis::gui
