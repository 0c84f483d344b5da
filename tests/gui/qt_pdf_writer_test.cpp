// The results report written as PDF by Qt's PDF engine: the file holds the
// report's lines as text, its padded columns still lined up.
#include "gui/qt_application.h"
#include "gui/qt_pdf_writer.h"
#include "qt_environment.h"
#include "reports/print_results_dlg.h"
#include "ui/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace verdalis::testing {
namespace {

namespace fs = std::filesystem;

// What a command prints.
std::string commandOutput(const std::string& command)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) {
        return {};
    }
    std::string text;
    std::array<char, 4096> buffer;
    while (const size_t read = fread(buffer.data(), 1, buffer.size(), pipe.get())) {
        text.append(buffer.data(), read);
    }
    return text;
}

// The text of a PDF as pdftotext lays it out.
std::string pdfText(const fs::path& pdf)
{
    return commandOutput("pdftotext -layout '" + pdf.string() + "' -");
}

class QtPdfReport : public ::testing::Test {
protected:
    QtPdfReport() { qtApplication(); }
    ~QtPdfReport() override { fs::remove_all(folder); }

    // A folder of the test's own, as CTest runs the tests side by side.
    fs::path folder = fs::temp_directory_path() /
                      (std::string("verdalis-gui-pdf-") +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    ui::ScriptedDialogs dialogs;
    gui::QtApplication application;
    gui::QtPdfWriter writer;
    reports::TPrintResultsDlg report{dialogs, application, writer};
};

TEST_F(QtPdfReport, WritesTheReportLinesInTheirStylesAsPdfText)
{
    fs::create_directories(folder);
    report.ClearRichEdit();
    report.AddToRichEdit("Zorv Results", rtf::styles::bold, colors::black);
    report.AddToRichEdit("", rtf::styles::plain, colors::black);
    report.AddToRichEdit("Soil Loss (t/ac/yr) ......   2.50", rtf::styles::plain, colors::red);
    report.AddToRichEdit("Delivery Ratio ...........   0.31", rtf::styles::italic, colors::black);
    const fs::path pdf = folder / "Report.PDF";
    report.PrintRichEditToFile(pdf.string());

    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("Zorv Results"), std::string::npos) << text;
    EXPECT_NE(text.find("Soil Loss (t/ac/yr) ......   2.50"), std::string::npos) << text;
    EXPECT_NE(text.find("Delivery Ratio ...........   0.31"), std::string::npos) << text;
    EXPECT_LT(text.find("Zorv Results"), text.find("Delivery Ratio")) << text;
}

TEST_F(QtPdfReport, CarriesTheReportChartAsAnImageAfterTheLines)
{
    fs::create_directories(folder);
    report.ClearRichEdit();
    report.AddToRichEdit("Total_N_Lost = 840 lbs", rtf::styles::plain, colors::black);
    const fs::path plain = folder / "Plain.pdf";
    report.PrintRichEditToFile(plain.string());
    report.addReportChart({"Where the nitrogen goes", "lbs", {{"Applied", 1500, colors::navy}, {"Total N lost", 840, colors::red}}, {}});
    const fs::path charted = folder / "Charted.pdf";
    report.PrintRichEditToFile(charted.string());

    // pdfimages lists one line per image after its two heading lines.
    const auto imageCount = [](const fs::path& pdf) {
        const std::string listing = commandOutput("pdfimages -list '" + pdf.string() + "'");
        return std::count(listing.begin(), listing.end(), '\n') - 2;
    };
    EXPECT_EQ(imageCount(plain), 0);
    EXPECT_EQ(imageCount(charted), 1);
    EXPECT_NE(pdfText(charted).find("Total_N_Lost = 840 lbs"), std::string::npos);
}

TEST_F(QtPdfReport, AFileThatCannotBeCreatedIsAnErrorNamingIt)
{
    const fs::path pdf = folder / "no such folder" / "Report.pdf";
    try {
        writer.writePdf(rtf::Document{}, {}, pdf);
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(pdf.string()), std::string::npos) << error.what();
    }
}

} // namespace
} // namespace verdalis::testing
