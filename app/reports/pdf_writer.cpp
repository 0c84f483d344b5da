#include "reports/pdf_writer.h"

namespace verdalis::reports {

void ScriptedPdfWriter::writePdf(const rtf::Document& document, const std::vector<ui::BarChartData>& charts,
                                 const std::filesystem::path& path)
{
    if (failure_) {
        throw std::runtime_error(*failure_);
    }
    written_.push_back({path, document, charts});
}

} // namespace verdalis::reports
