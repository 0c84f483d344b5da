// Writing a document as a PDF file, paginated as the printer would print it.
// The front end implements it with its print engine; tests and the command
// line use ScriptedPdfWriter.
#pragma once

#include "reports/rtf/document.h"
#include "ui/bar_chart.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace verdalis::reports {

class PdfWriter {
public:
    virtual ~PdfWriter() = default;

    // The charts follow the document's last line, each as wide as the text.
    // Raises std::runtime_error, naming the file, when it cannot be written.
    virtual void writePdf(const rtf::Document& document, const std::vector<ui::BarChartData>& charts,
                          const std::filesystem::path& path) = 0;
};

// Records every document it is asked to write instead of writing it.
class ScriptedPdfWriter : public PdfWriter {
public:
    struct Written {
        std::filesystem::path path;
        rtf::Document document;
        std::vector<ui::BarChartData> charts;
    };

    // Writing raises std::runtime_error with this text while it is set.
    void setFailure(std::optional<std::string> message) { failure_ = std::move(message); }
    const std::vector<Written>& written() const { return written_; }

    void writePdf(const rtf::Document& document, const std::vector<ui::BarChartData>& charts,
                  const std::filesystem::path& path) override;

private:
    std::optional<std::string> failure_;
    std::vector<Written> written_;
};

} // namespace verdalis::reports
