// Reading the results report of a record into the result table.
#include "records/batch_results.h"

#include "tables/table.h"
#include "temp_dir.h"
#include "util/number_text.h"

#include <gtest/gtest.h>

namespace verdalis::testing {
namespace {

struct LineCase {
    const char* name;
    std::vector<std::string> lines;
    const char* column;
    std::string expected;
};

class ReportLines : public ::testing::TestWithParam<LineCase> {
protected:
    ReportLines()
    {
        Table::create(dir.path(), "Results.dbf", TableType::Dbase, records::batchResultColumns());
        results.open(dir.path(), "Results.dbf");
        results.append();
    }

    TempDir dir;
    Table results;
};

TEST_P(ReportLines, StoreTheirValueInTheLabelsColumn)
{
    for (const std::string& line : GetParam().lines) {
        records::storeReportLine(line, results);
    }
    EXPECT_EQ(results.field(GetParam().column).asText(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, ReportLines,
    ::testing::Values(
        LineCase{"SeparatorsAndUnitGo", {"N_Applied (Field Acres)   = 1,250.5 lbs"}, "NApplied", "1250.5"},
        LineCase{"FieldAcresLabelBeforeFieldLabel", {"N_Needed (Field Acres) = 80"}, "NNeeded", "80"},
        LineCase{"FieldLabelItsOwn", {"N_Needed_Field = 2,000"}, "NNeededFld", "2000"},
        LineCase{"ExcessBeforeItsParts", {"Excess_N_Surface = 4.5"}, "ExcessN", ""},
        LineCase{"LaterLineWins", {"Total_N_Lost = 1", "Total_N_Lost = 2"}, "TotalNLost", "2"},
        LineCase{"ComponentIsWholeNumber", {"   LEACHATE P =  7 "}, "LEACHATE_P", "7"},
        LineCase{"TotalRounded", {"TOTAL P RATING = 12.5 (High)"}, "TOTAL_P", "12"},
        LineCase{"RatingWordCut", {"TOTAL P RATING = 14 (Medium)"}, "P_Rating", "(Medium"},
        LineCase{"CaseMatters", {"total_n_lost = 3"}, "TotalNLost", ""},
        LineCase{"OtherLinesIgnored", {"Verdalis Version: 2.50", ""}, "NApplied", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportLineValues, ThatAreNoNumbersRaiseAConversionError)
{
    TempDir dir;
    Table::create(dir.path(), "Results.dbf", TableType::Dbase, records::batchResultColumns());
    Table results;
    results.open(dir.path(), "Results.dbf");
    results.append();
    EXPECT_THROW(records::storeReportLine("SOURCE P = 7 (Low)", results), ConversionError);
    EXPECT_THROW(records::storeReportLine("Total_N_Lost = n/a", results), ConversionError);
}

TEST(ResultTable, HasTheTwentyTwoColumnsInOrder)
{
    std::vector<std::string> names;
    for (const FieldDef& column : records::batchResultColumns()) {
        names.push_back(column.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"RecordName", "Error",      "Error_Dtld", "Zorv_Out",   "NApplied",
                                               "NNeeded",    "ExcessN",    "ExcessNSur", "ExcessNSub", "NNeededFld",
                                               "UtilNCrop",  "NLostCrop",  "NLostB4BMP", "NLostCCrop", "TotalNLost",
                                               "Tamb_Out",   "Part_P",     "SOLUBLE_P",  "LEACHATE_P", "SOURCE_P",
                                               "TOTAL_P",    "P_Rating"}));
}

} // namespace
} // namespace verdalis::testing
