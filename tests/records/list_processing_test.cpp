// Processing a record list: the result table, the two logs, the progress
// dialog, the detailed-calculations password and the end of every run.
#include "records_fixture.h"

#include "shell/program_entry.h"

#include <fstream>
#include <sstream>

namespace verdalis::testing {
namespace {

using ::testing::Contains;
using ::testing::Each;
using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

const Columns nitrogenRecord{{"RecordName", "Corn field"}, {"ModeType", "Zorv"},   {"County", "Birch"},
                             {"MappingUnt", "MfB: Marlow loam"}, {"CROP_Zorv", "Corn"}, {"FieldACRES", "25"}};
const Columns unknownCounty{{"RecordName", "Lost county"}, {"ModeType", "Zorv"}, {"County", "Mistwood"}};
const Columns phosphorusRecord{{"RecordName", "Wheat field"}, {"ModeType", "Tamb"},    {"County", "Birch"},
                               {"MappingUnt", "MfB: Marlow loam"}, {"CROP_Tamb", "Wheat"}, {"HydroCond", "Good"}};

std::string fileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class ListProcessingRun : public RecordsTest {
protected:
    ListProcessingRun() : RecordsTest("list-processing") {}

    std::string listPath() const { return folder.path("lists/List.dbf"); }
    std::string output(std::string_view name) const { return folder.path("lists/" + std::string(name)); }

    void writeList(const std::vector<Columns>& records)
    {
        shell::CreateNewUserInputTable(folder.path("lists"), "List.dbf");
        appendRecords(listPath(), records);
    }

    void startWithReports()
    {
        start();
        // The methods write their results into the report, and the
        // phosphorus method fails on cue.
        shell.parts.onCalculateZorv = [this] {
            shell.parts.addLine("N_Applied (Field Acres)      = 1,250.5 lbs");
            shell.parts.addLine("Total_N_Lost = 42.25 lbs/acre");
        };
        shell.parts.onCalculateTamb = [this] {
            if (failPhosphorus) {
                shell.batch.collect("Cannot calculate Tamb.\nSoil Loss missing");
                return;
            }
            shell.parts.addLine("PARTICULATE P = 3");
            shell.parts.addLine("TOTAL P RATING = 12.6 (High)");
        };
        // The map unit changes note the hydrologic condition the record
        // being loaded holds.
        auto& mapUnits = shell.control<ui::ComboBox>("SoilMapUnitBox");
        mapUnits.onChange = [this, &mapUnits, handler = mapUnits.onChange] {
            handler();
            changes.back() += " (" + records().loadingHydroCond() + ")";
        };
    }

    // Answers whether the run ended without an error escaping.
    bool processList(bool detailed = false)
    {
        shell.dialogs.answerFile(listPath()).answer(detailed ? ui::Answer::Yes : ui::Answer::No);
        return click("ProcessListBtn");
    }

    records::TProcessListMsg& progress() { return *shell.windows.dialogs.ProcessListMsg; }

    bool failPhosphorus = false;
};

TEST_F(ListProcessingRun, EachRecordIsCalculatedOrMarkedAndTheRunEndsWithTheDefaultTable)
{
    writeList({nitrogenRecord, unknownCounty, phosphorusRecord});
    startWithReports();
    failPhosphorus = true;
    EXPECT_TRUE(processList());

    const auto results = readRecords(output("Verdalis_BatchTable.dbf"));
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0].at("RecordName"), "Corn field");
    EXPECT_EQ(results[0].at("Error"), "");
    EXPECT_EQ(results[0].at("NApplied"), "1250.5");
    EXPECT_EQ(results[0].at("TotalNLost"), "42.25");
    EXPECT_EQ(results[1].at("Error"), "Input Data Error");
    EXPECT_EQ(results[1].at("Error_Dtld"), "Error in County Name\r\n     Mistwood\r\nis INVALID");
    EXPECT_EQ(results[1].at("NApplied"), "");
    EXPECT_EQ(results[2].at("Error"), "Calculation Error");
    EXPECT_EQ(results[2].at("Error_Dtld"), "Cannot calculate Tamb.\r\nSoil Loss missing");

    const std::string errorLog = fileText(output("Verdalis_BatchERRORfile.txt"));
    EXPECT_THAT(errorLog, HasSubstr("Processing Lost county...\r\nCould not Calculate Record. InCorrect Inputs\r\n"
                                    "Error in County Name\r\n     Mistwood\r\nis INVALID\r\n \r\n \r\n \r\n"));
    EXPECT_THAT(errorLog, HasSubstr("Error Calculating this record.\r\nCannot calculate Tamb.\r\nSoil Loss missing"));
    EXPECT_THAT(errorLog, EndsWith("TOTAL ERRORS FOUND = 2\r\n"));
    const std::string batchLog = fileText(output("Verdalis_BatchFile.txt"));
    EXPECT_THAT(batchLog, HasSubstr("Processing Corn field...\r\nVerdalis Version: 2.50\r\n"));
    EXPECT_THAT(batchLog, HasSubstr("Total_N_Lost = 42.25 lbs/acre\r\n \r\n \r\n \r\n"));
    EXPECT_THAT(errorLog, Not(HasSubstr("Total_N_Lost"))) << "the calculated record is no error";

    EXPECT_EQ(shell.dialogs.messageTexts().back(), "Done");
    EXPECT_EQ(shell.form().values.UserTablePath, userTable());
    EXPECT_EQ(table().path(), userTable());
    EXPECT_FALSE(shell.batch.BatchRunning);
    EXPECT_FALSE(progress().visible());
    EXPECT_THAT(progress().MessageList->items(), IsEmpty());
    // The map unit lists show their own hourglass; the run keeps it until its end.
    const auto cursors = shell.application.cursorHistory();
    ASSERT_FALSE(cursors.empty());
    EXPECT_THAT(std::vector(cursors.begin(), cursors.end() - 1), Each(ui::Cursor::Hourglass));
    EXPECT_EQ(cursors.back(), ui::Cursor::Default);
}

TEST_F(ListProcessingRun, EveryRecordStartsFromEmptyInputs)
{
    Columns noCounty = nitrogenRecord;
    noCounty["RecordName"] = "No county";
    noCounty.erase("County");
    Columns otherSoil = phosphorusRecord;
    otherSoil["ModeType"] = "ZorvTamb";
    otherSoil["MappingUnt"] = "TwB: Tweed silt";
    otherSoil["HydroCond"] = "Poor";
    otherSoil["CROP_Zorv"] = "Corn";
    otherSoil["DrainSystm"] = "no";
    writeList({nitrogenRecord, noCounty, phosphorusRecord, otherSoil});
    startWithReports();
    EXPECT_TRUE(processList());

    const auto results = readRecords(output("Verdalis_BatchTable.dbf"));
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[1].at("Error"), "Input Data Error") << "not calculated with the first record's inputs";
    EXPECT_EQ(results[1].at("Error_Dtld"), "No County in the record\r\nThe record cannot be calculated");
    EXPECT_EQ(std::ranges::count(shell.parts.calls, "calculateZorv"), 2);
    // The type change of the fourth record replays nothing of the third
    // against its own hydrologic condition.
    EXPECT_THAT(mapUnitChanges(), ElementsAre("map unit MfB: Marlow loam ()", "map unit MfB: Marlow loam (Good)",
                                     "map unit TwB: Tweed silt (Poor)"));
}

TEST_F(ListProcessingRun, CancelStopsBeforeTheNextRecordAndTheNextRunStartsAfresh)
{
    writeList({nitrogenRecord, nitrogenRecord, nitrogenRecord});
    startWithReports();
    shell.parts.onCalculateZorv = [this] {
        shell.application.duringNextMessages([this] { ASSERT_TRUE(progress().CancelBtn->userClick()); });
        shell.parts.onCalculateZorv = nullptr;
    };
    EXPECT_TRUE(processList());
    EXPECT_EQ(readRecords(output("Verdalis_BatchTable.dbf")).size(), 1u);
    EXPECT_THAT(fileText(output("Verdalis_BatchERRORfile.txt")), EndsWith("TOTAL ERRORS FOUND = 0\r\n"));
    EXPECT_EQ(shell.dialogs.messageTexts().back(), "Done");

    EXPECT_TRUE(processList());
    EXPECT_EQ(readRecords(output("Verdalis_BatchTable.dbf")).size(), 3u);
}

TEST_F(ListProcessingRun, DetailedCalculationsNeedOneOfTheTwoPasswordsInTheirOwnCase)
{
    struct Case {
        std::optional<std::string> entry;
        bool detailed;
        bool invalidMessage;
    };
    const Case cases[] = {
        {"tresko", true, false}, {"QuillFen", true, false}, {"quillfen", false, true}, {"QFen", false, true},
        {std::nullopt, false, false}};
    writeList({nitrogenRecord});
    startWithReports();
    bool detailedDuringRun = false;
    shell.parts.onCalculateZorv = [&] { detailedDuringRun = shell.batch.DetailedCalculations; };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.entry.value_or("(cancelled)"));
        shell.dialogs.clearRecords();
        shell.application.expectModal("PasswordDlg", [&test](ui::Form& form) {
            auto& password = form.get<ui::Edit>("Password");
            password.setText(test.entry.value_or(""));
            form.setModalResult(test.entry ? ui::ModalResult::Ok : ui::ModalResult::Cancel);
        });
        EXPECT_TRUE(processList(true));
        EXPECT_EQ(detailedDuringRun, test.detailed);
        EXPECT_EQ(std::ranges::count(shell.dialogs.messageTexts(),
                                     "Password Invalid.  Detailed calculations will not be used."),
                  test.invalidMessage ? 1 : 0);
        EXPECT_FALSE(shell.batch.DetailedCalculations);
    }
}

TEST_F(ListProcessingRun, NoListOrAnEmptyOneReopensTheUserTable)
{
    shell::CreateNewUserInputTable(folder.path("lists"), "List.dbf");
    startWithReports();
    shell.dialogs.answerFile(std::nullopt);
    ASSERT_TRUE(click("ProcessListBtn"));
    EXPECT_THAT(shell.dialogs.messageTexts(), IsEmpty());
    EXPECT_EQ(table().path(), userTable());

    shell.dialogs.answerFile(listPath());
    ASSERT_TRUE(click("ProcessListBtn"));
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("No Records in Table!"));
    EXPECT_EQ(table().path(), userTable());
    EXPECT_FALSE(folder.exists("lists/Verdalis_BatchTable.dbf"));
}

TEST_F(ListProcessingRun, AReportValueThatIsNoNumberEndsTheRunAfterItsEnd)
{
    writeList({nitrogenRecord, nitrogenRecord});
    startWithReports();
    shell.parts.onCalculateZorv = [this] { shell.parts.addLine("Total_N_Lost = many"); };
    EXPECT_FALSE(processList());
    const auto messages = shell.dialogs.messageTexts();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[messages.size() - 2], "Done");
    EXPECT_THAT(messages.back(), HasSubstr("many"));
    EXPECT_EQ(readRecords(output("Verdalis_BatchTable.dbf")).size(), 0u);
    EXPECT_EQ(table().path(), userTable());
    EXPECT_FALSE(shell.batch.BatchRunning);
}

TEST_F(ListProcessingRun, IgnoringMapUnitNamesMatchesBySymbolOnly)
{
    Columns renamed = nitrogenRecord;
    renamed["MappingUnt"] = "MfB: Marlow loam, renamed";
    writeList({renamed});
    startWithReports();
    auto& ignore = shell.control<ui::MenuItem>("IgnoreMuNamewhenprocessing1");
    EXPECT_EQ(ignore.caption(), "Ignore MuName when processing");
    ignore.userClick();
    ASSERT_TRUE(ignore.checked());
    EXPECT_TRUE(processList());
    const auto results = readRecords(output("Verdalis_BatchTable.dbf"));
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].at("Error"), "");
    EXPECT_THAT(mapUnitChanges(), ElementsAre("map unit MfB: Marlow loam ()"));
}

} // namespace
} // namespace verdalis::testing
