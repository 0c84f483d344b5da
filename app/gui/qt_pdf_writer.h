// Writing a document as a PDF file with Qt's PDF engine, paginated on A4 as
// the printer prints it: each line in its own style and colour, fixed-pitch
// fonts kept fixed-pitch, and the charts after the last line.
#pragma once

#include "reports/pdf_writer.h"

namespace verdalis::gui {

class QtPdfWriter : public reports::PdfWriter {
public:
    void writePdf(const rtf::Document& document, const std::vector<ui::BarChartData>& charts,
                  const std::filesystem::path& path) override;
};

} // namespace verdalis::gui
