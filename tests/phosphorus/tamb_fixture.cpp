#include "tamb_fixture.h"

#include "tables/table_build.h"
#include "util/number_text.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace verdalis::testing {

namespace fs = std::filesystem;

namespace {

fs::path sourceDir()
{
    const char* source = std::getenv("VERDALIS_SOURCE_DIR");
    return source != nullptr ? fs::path(source) : fs::current_path();
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::unique_ptr<ProgramFolder> buildBundledTables()
{
    auto folder = std::make_unique<ProgramFolder>("bundled-tables");
    addBundledTables(*folder);
    return folder;
}

} // namespace

void addBundledTables(ProgramFolder& folder)
{
    const fs::path data = sourceDir() / "data";
    for (const auto& tableFolder : fs::directory_iterator(data / "tables")) {
        for (const auto& entry : fs::directory_iterator(tableFolder.path())) {
            const std::string file = entry.path().filename().string();
            const std::string schemaEnd = ".schema.csv";
            if (file.size() <= schemaEnd.size() || file.compare(file.size() - schemaEnd.size(), schemaEnd.size(), schemaEnd) != 0) {
                continue;
            }
            const std::string table = file.substr(0, file.size() - schemaEnd.size());
            fs::create_directories(fs::path(folder.dir()) / tableFolder.path().filename());
            buildTable(entry.path(), tableFolder.path() / (table + ".csv"),
                       fs::path(folder.dir()) / tableFolder.path().filename() / table);
        }
    }
    folder.writeFile("TableLocations.ini", readFile(data / "settings" / "TableLocations.ini"));
}

const ProgramFolder& bundledTables()
{
    // Built on first use and kept for the whole test program; the rating
    // only reads them.
    static const std::unique_ptr<ProgramFolder> folder = buildBundledTables();
    return *folder;
}

TambBench::TambBench(phosphorus::NutrientSourceFacts* sourceFacts)
    : dirs_(ProgramDirs::under(bundledTables().dir()))
{
    using namespace std::chrono;
    clock.set({year{2015} / March / day{9}, hours{14} + minutes{5} + seconds{7}});
    form_ = std::make_unique<shell::TForm1>(services(bundledTables().executable()), parts_.parts());
    report_ = std::make_unique<reports::TPrintResultsDlg>(dialogs, application, pdfWriter);
    lookups_ = std::make_unique<TableLookups>(dirs_, dialogs, batch);
    bundledSources_ = std::make_unique<phosphorus::NutrientSourceTable>(*lookups_, dialogs);
    tamb_ = std::make_unique<phosphorus::TambCalculation>(
        *form_, phosphorus::TambCalculation::Services{dialogs, batch, clock}, *lookups_,
        sourceFacts != nullptr ? *sourceFacts : *bundledSources_, *report_);
}

void TambBench::calculate()
{
    report_->ClearRichEdit();
    control<ui::RichText>("CalcRichEdit").clear();
    tamb_->CalculateTamb();
}

void choose(shell::TForm1& form, std::string_view comboName, const std::string& text)
{
    auto& combo = form.control<ui::ComboBox>(comboName);
    if (combo.indexOf(text) == ui::noItem) {
        combo.addItem(text);
    }
    combo.setItemIndex(combo.indexOf(text));
}

void setEdit(shell::TForm1& form, std::string_view name, std::string text, bool visible)
{
    auto& edit = form.control<ui::Edit>(name);
    edit.setText(std::move(text));
    edit.setVisible(visible);
}

std::vector<std::string> TambBench::reportLines() const
{
    std::vector<std::string> lines;
    for (size_t i = 0; i < report_->RichEdit1->lineCount(); ++i) {
        lines.push_back(report_->RichEdit1->line(i));
    }
    return lines;
}

std::string TambBench::reportText() const
{
    std::string text;
    for (const std::string& line : reportLines()) {
        text += line + "\n";
    }
    return text;
}

std::vector<std::string> TambBench::logLines()
{
    auto& log = control<ui::RichText>("CalcRichEdit");
    std::vector<std::string> lines;
    for (size_t i = 0; i < log.lineCount(); ++i) {
        lines.push_back(log.line(i));
    }
    return lines;
}

std::string TambBench::reportLineStarting(std::string_view start) const
{
    for (const std::string& line : reportLines()) {
        if (line.starts_with(start)) {
            return line;
        }
    }
    return {};
}

std::optional<double> TambBench::reportNumber(std::string_view start) const
{
    for (const std::string& line : reportLines()) {
        double value = 0;
        if (line.starts_with(start) && tryTextToNumber(std::string_view(line).substr(start.size()), value)) {
            return value;
        }
    }
    return std::nullopt;
}

void setUndrainedCorn(TambBench& bench)
{
    shell::AssessmentRecord& record = bench.record();
    record.calculationType = shell::CalculationType::Tamb;
    record.county = {"VD01", "50.2", "0.0596", "0.06"};
    record.mapUnit = {.MUKey = "401001", .MUSYM = "TwA", .DrainageFlag = "0", .Percent_Clay = "13",
                      .P_Threshold = "75", .WV_Factor = "1.25", .FePFactor = "0.9", .TP_Minus_12 = "1.2",
                      .T30_Over_TP = "0.45", .Surf_SolPEqNo = "2", .SubSoil_SolPEqNo = "2", .SubsoilSample = "Y",
                      .ETSoilGrp = "2", .Sur_CurveSlope = "0.0055", .Subsur_CurveSlope = "0.0045"};
    record.tambCrop = {"1", "1", "1", "10.52", "1", "0.5", "3.26", "14.52", "0.5", "1"};
    record.hydrology.HC = "good";
    record.hydrology.PartPDelFact = "0.7";
    bench.form().values.Tillage_ID = "1";

    bench.choose("CroppingYearBox", "2015");
    bench.choose("CountyBox", "Brackwater");
    bench.setEdit("ProducerIDBox", "P-1");
    bench.setEdit("TractNumBox", "T-2");
    bench.setEdit("FieldNumBox", "3");
    bench.choose("SoilMapUnitBox", "TwA: Tidewell fine sandy loam, 0 to 2 percent slopes");
    bench.choose("CropBox2", "Corn");
    bench.choose("TillageCBNew", "Conventional Tillage");
    bench.control<ui::ComboBox>("TillageCBNew").show();
    bench.setEdit("SoilLossED", "3");
    bench.choose("RecSlopeDistCB", "101 - 300");
    bench.setEdit("SoilTestP1ED", "50");
    bench.setEdit("WVRED1", "");
    bench.setEdit("SoilTestP2ED", "", false);
    bench.setEdit("WVRED2", "", false);
    bench.control<ui::GroupBox>("DrainageGB").hide();
    bench.control<ui::GroupBox>("HydroGB").show();
    for (const char* condition : {"HCGood", "HCFair", "HCPoor"}) {
        bench.control<ui::RadioButton>(condition).show();
    }
    bench.control<ui::RadioButton>("HCGood").setChecked(true);
}

void setDrainedCorn(TambBench& bench)
{
    setUndrainedCorn(bench);
    bench.record().mapUnit.DrainageFlag = "1";
    bench.control<ui::GroupBox>("HydroGB").hide();
    bench.control<ui::RadioButton>("HCGood").setChecked(false);
    bench.control<ui::GroupBox>("DrainageGB").show();
    bench.control<ui::RadioButton>("RD_Yes").setChecked(true);
    bench.setEdit("DrainageSpacingED", "80");
    bench.setEdit("DrainageDepthED", "42");
}

} // namespace verdalis::testing
