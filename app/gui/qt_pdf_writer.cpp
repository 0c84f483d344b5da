#include "gui/qt_pdf_writer.h"

#include "gui/bar_chart_widget.h"
#include "gui/text_document.h"

#include <QFile>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace verdalis::gui {

namespace {

inline constexpr int pdfResolution = 300; // dots per inch of the page layout
inline constexpr qreal pageMarginMillimetres = 15;
// Charts are drawn at this size in pixels and laid out as wide as the text.
inline constexpr QSize chartPixels{1600, 800};

// Each chart as an image after the document's last line.
void appendCharts(QTextDocument& text, const std::vector<ui::BarChartData>& charts)
{
    QTextCursor cursor(&text);
    cursor.movePosition(QTextCursor::End);
    const qreal width = text.pageSize().width() > 0 ? text.pageSize().width() * 0.9 : chartPixels.width();
    for (size_t index = 0; index < charts.size(); ++index) {
        const QUrl name(QStringLiteral("chart:%1").arg(index));
        text.addResource(QTextDocument::ImageResource, name, renderBarChart(charts[index], chartPixels));
        QTextImageFormat image;
        image.setName(name.toString());
        image.setWidth(width);
        image.setHeight(width * chartPixels.height() / chartPixels.width());
        cursor.insertBlock();
        cursor.insertImage(image);
    }
}

} // namespace

void QtPdfWriter::writePdf(const rtf::Document& document, const std::vector<ui::BarChartData>& charts,
                           const std::filesystem::path& path)
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
    text.setPageSize(writer.pageLayout().paintRectPixels(writer.resolution()).size());
    appendCharts(text, charts);
    text.print(&writer);
}

} // namespace verdalis::gui
