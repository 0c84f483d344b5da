// A list run of many records: each record is loaded through the input
// change handlers, calculated and read out of its report into the result
// table and the logs. The methods are stand-ins that write a report of the
// usual length (eleven nitrogen and five phosphorus lines), so the figures
// are those of the record module and the table engine: loading, the report
// matching, and one post of the result table per record.
#include "program_folder.h"
#include "records/list_processing.h"
#include "shell/user_input_table.h"
#include "shell_harness.h"

#include <benchmark/benchmark.h>

namespace {

using namespace verdalis;
using namespace verdalis::testing;

const std::vector<std::string> nitrogenReportLines{
    "N_Applied (Field Acres)      = 4,000 lbs", "N_Needed (Field Acres)       = 3,500 lbs",
    "Excess_N (Field Acres)       = 500 lbs",   "Excess_N_Surface             = 120.5",
    "Excess_N_Subsurface          = 379.5",     "N_Needed_Field               = 3,500",
    "Utilized_N_Crop              = 3,100",     "N_Lost After Crop            = 400",
    "N_Lost Before BMP            = 380",       "N_Lost_After_Cover_Crops     = 350",
    "Total_N_Lost                 = 325.25 lbs"};
const std::vector<std::string> phosphorusReportLines{"PARTICULATE P = 4", "SOLUBLE P = 2", "LEACHATE P = 1",
                                                     "SOURCE P = 3", "TOTAL P RATING = 10 (Medium)"};

class BatchProgram {
public:
    explicit BatchProgram(int64_t records) : folder_("batch-bench-" + std::to_string(records))
    {
        folder_.addCompleteProgram();
        shell::CreateNewUserInputTable(folder_.path("UserTables"), "UserInputs.dbf");
        std::vector<std::string> columns;
        for (const FieldDef& column : shell::userInputColumns()) {
            columns.push_back(column.name);
        }
        Rows rows;
        for (int64_t record = 0; record < records; ++record) {
            std::vector<std::string> row(columns.size());
            const auto set = [&](std::string_view column, std::string value) {
                row[std::ranges::find(columns, column) - columns.begin()] = std::move(value);
            };
            set("RecordName", "Field " + std::to_string(record));
            set("ModeType", "ZorvTamb");
            set("County", record % 2 == 0 ? "Birch" : "Alder");
            set("MappingUnt", "MfB: Marlow loam");
            set("CROP_Zorv", "Corn");
            set("CROP_Tamb", "Wheat");
            set("FieldACRES", std::to_string(10 + record % 90));
            set("Soil_Loss", "3.5");
            row.resize(columns.size());
            rows.push_back(std::move(row));
        }
        folder_.addTable("lists", "List.dbf", columns, rows);

        shell_.start();
        shell_.control<ui::ComboBox>("CountyBox").onChange = [this] {
            auto& mapUnits = shell_.control<ui::ComboBox>("SoilMapUnitBox");
            mapUnits.clearItems();
            mapUnits.addItems({"MfB: Marlow loam", "TwB: Tweed silt"});
        };
        shell_.parts.onCalculateZorv = [this] { addLines(nitrogenReportLines); };
        shell_.parts.onCalculateTamb = [this] { addLines(phosphorusReportLines); };
    }

    void run()
    {
        shell_.dialogs.clearRecords();
        shell_.parts.calls.clear();
        shell_.dialogs.answerFile(folder_.path("lists/List.dbf")).answer(ui::Answer::No);
        shell_.windows.listProcessing->ProcessListBtnClick();
    }

private:
    void addLines(const std::vector<std::string>& lines)
    {
        for (const std::string& line : lines) {
            shell_.parts.addLine(line);
        }
    }

    ProgramFolder folder_;
    ShellHarness shell_{folder_.executable()};
};

void BM_ListRun(benchmark::State& state)
{
    BatchProgram program(state.range(0));
    for (auto _ : state) {
        program.run();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetLabel("records per run");
}
BENCHMARK(BM_ListRun)->Arg(20)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
