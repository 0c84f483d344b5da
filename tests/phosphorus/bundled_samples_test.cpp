// The sample assessments the program ships, rated on the bundled tables:
// each reaches the class it was built for, three complete reports are kept
// as expected files, and CALCULATE runs the rating in the program's windows.
#include "sample_records.h"
#include "shell/program_entry.h"
#include "util/text_case.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace verdalis::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::Contains;
using ::testing::IsEmpty;

const CsvRow& sample(const std::string& name)
{
    static const std::vector<CsvRow> records = bundledSampleRecords();
    for (const CsvRow& record : records) {
        if (record.at("RecordName") == name) {
            return record;
        }
    }
    throw std::invalid_argument("no sample " + name);
}

std::string indexText(const shell::PhosphorusResults& results)
{
    std::ostringstream text;
    for (const auto& index : {results.ParticulateIndex, results.SolubleIndex, results.LeachateIndex,
                              results.SourceIndex}) {
        text << (text.tellp() > 0 ? " " : "") << (index ? std::to_string(static_cast<int>(*index)) : "-");
    }
    return text.str();
}

TEST(BundledSamples, EveryPhosphorusSampleReachesItsClass)
{
    int rated = 0;
    for (const CsvRow& meant : bundledSampleClasses()) {
        if (meant.at("Rating").empty()) {
            continue;
        }
        TambBench bench;
        loadSample(bench.form(), bench.lookups(), sample(meant.at("RecordName")));
        bench.calculate();
        const shell::PhosphorusResults& results = bench.record().phosphorus;
        EXPECT_THAT(bench.dialogs.messageTexts(), IsEmpty()) << meant.at("RecordName");
        EXPECT_EQ(results.RatingWord, meant.at("Rating")) << meant.at("RecordName");
        EXPECT_EQ(indexText(results), meant.at("Indexes")) << meant.at("RecordName");
        ++rated;
    }
    EXPECT_EQ(rated, 9);
}

fs::path expectedFile(const std::string& recordName)
{
    std::string file = recordName;
    std::replace(file.begin(), file.end(), ' ', '_');
    const char* source = std::getenv("VERDALIS_SOURCE_DIR");
    return (source != nullptr ? fs::path(source) : fs::current_path()) / "tests" / "phosphorus" / "expected"
           / (file + ".txt");
}

struct ReportCase {
    const char* recordName;
    bool detailed;
};

class SampleReports : public ::testing::TestWithParam<ReportCase> {};

// VERDALIS_UPDATE_EXPECTED=1 writes the reports as the expected files
// instead, for review when a report changes on purpose.
TEST_P(SampleReports, MatchTheExpectedFile)
{
    TambBench bench;
    loadSample(bench.form(), bench.lookups(), sample(GetParam().recordName));
    bench.batch.DetailedCalculations = GetParam().detailed;
    bench.calculate();
    const fs::path expected = expectedFile(GetParam().recordName);
    if (std::getenv("VERDALIS_UPDATE_EXPECTED") != nullptr) {
        std::ofstream(expected, std::ios::binary) << bench.reportText();
    }
    std::ifstream in(expected, std::ios::binary);
    ASSERT_TRUE(in) << expected;
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_EQ(bench.reportText(), text.str()) << expected;
}

INSTANTIATE_TEST_SUITE_P(BundledSamples, SampleReports,
                         ::testing::Values(ReportCase{"Brackwater Drained Corn", true},
                                           ReportCase{"Sandhurst Sand Subsoil Test", true},
                                           ReportCase{"Laurel Gap Sweet Corn", false},
                                           ReportCase{"Redfield Tobacco Buffers", true}),
                         [](const auto& info) {
                             std::string name = info.param.recordName;
                             std::erase(name, ' ');
                             return name;
                         });

// The program's own windows on the bundled tables, started as the program
// entry starts them, with every part the shell serves.
class ProgramOnBundledTables : public ::testing::Test, protected ScriptedServices {
protected:
    void SetUp() override
    {
        folder.addCompleteProgram();
        addBundledTables(folder);
        using namespace std::chrono;
        clock.set({year{2015} / March / day{9}, hours{9}});
        processes.setRunning({folder.executable()});
        windows = shell::createProgramWindows(services(folder.executable()), parts.parts());
        parts.attach(windows);
        application.idle();
    }

    std::vector<std::string> reportLines()
    {
        std::vector<std::string> lines;
        const ui::RichText& report = *windows.dialogs.PrintResultsDlg->RichEdit1;
        for (size_t i = 0; i < report.lineCount(); ++i) {
            lines.push_back(report.line(i));
        }
        return lines;
    }

    ProgramFolder folder{"tamb-program"};
    shell::ShellParts parts{dialogs};
    shell::ProgramWindows windows;
};

TEST_F(ProgramOnBundledTables, CalculateRunsTheRatingAfterTheVersionLines)
{
    shell::TForm1& form = *windows.Form1;
    ASSERT_TRUE(form.startupComplete());
    form.control<ui::RadioButton>("InTambrb").setChecked(true);
    loadSample(form, *windows.lookups, sample("Laurel Gap Sweet Corn"));
    ASSERT_TRUE(form.control<ui::Button>("CalculateBtn").userClick());

    EXPECT_THAT(dialogs.messageTexts(), IsEmpty());
    const std::vector<std::string> lines = reportLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Verdalis Version: 1.00");
    EXPECT_EQ(lines[2], "Tamb Results For:  Laurel Gap   3/09/2015   9:00:00 AM");
    EXPECT_EQ(lines.back(), "TOTAL P RATING =     169 (VERY HIGH)");
    EXPECT_EQ(form.control<ui::Label>("OverallPAssessLBL").caption(), "TOTAL P RATING =     169 (VERY HIGH)");
    EXPECT_EQ(form.record.phosphorus.RatingWord, "Very High");

    // The chart on the Main tab and in the PDF report: the four indexes and
    // the total, the total in the open Very High band.
    const auto& chart = form.control<ui::BarChart>("PhosphorusChart");
    EXPECT_TRUE(chart.visible());
    std::vector<double> values;
    for (const ui::ChartBar& bar : chart.data().bars) {
        values.push_back(bar.value);
    }
    EXPECT_EQ(values, (std::vector<double>{28, 41, 23, 77, 169}));
    ASSERT_NE(ui::bandOf(chart.data(), 169), nullptr);
    EXPECT_EQ(ui::bandOf(chart.data(), 169)->label, "Very High");
    EXPECT_EQ(ui::bandOf(chart.data(), 25)->label, "Low");
    EXPECT_EQ(windows.dialogs.PrintResultsDlg->reportCharts(), std::vector<ui::BarChartData>{chart.data()});

    form.ResetTambCalculationOutputs();
    EXPECT_FALSE(chart.visible());
    EXPECT_TRUE(chart.data().empty());
}

} // namespace
} // namespace verdalis::testing
