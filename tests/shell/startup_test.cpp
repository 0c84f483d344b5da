#include "shell_harness.h"

#include "shell/user_input_table.h"
#include "table_rows.h"
#include "tables/table.h"
#include "util/settings_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace verdalis::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string autoCheckSetting(const ProgramFolder& folder)
{
    return SettingsFile(folder.path("AutoCheckSettings.ini")).readString("Download Settings", "AutoCheckForUpdates");
}

TEST(Startup, CompleteFolderFillsListsAndOpensTheUserTable)
{
    ProgramFolder folder("startup-complete");
    folder.addCompleteProgram();
    folder.writeFile("Tambtool.exe", "old");
    folder.writeFile("UserTables/Assess.db", "old");
    ShellHarness shell(folder.executable());
    shell.start();

    EXPECT_EQ(shell.application.title(), "Verdalis");
    EXPECT_EQ(shell.form().caption(), "Verdalis     v2.50  12/10/2026");
    EXPECT_EQ(shell.form().values.BaseCaption, "Verdalis");
    EXPECT_EQ(shell.form().values.ProductCode, "Verdalis");
    EXPECT_EQ(shell.form().values.UserTablesDir, folder.dir() + "/UserTables");
    EXPECT_EQ(shell.form().windowState(), ui::WindowState::Maximized);

    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Creating new Input Table..."));
    ASSERT_TRUE(folder.exists("UserTables/UserInputs.dbf"));
    EXPECT_FALSE(folder.exists("Tambtool.exe"));
    EXPECT_FALSE(folder.exists("UserTables/Assess.db"));

    EXPECT_THAT(shell.control<ui::ComboBox>("CropBox").items(), ElementsAre("Alfalfa", "Corn", "Wheat"));
    EXPECT_THAT(shell.control<ui::ComboBox>("CropBox2").items(), ElementsAre("Alfalfa", "Corn", "Wheat"));
    EXPECT_THAT(shell.control<ui::ComboBox>("RecSlopeDistCB").items(), ElementsAre("0-100", "100-300"));
    // One entry per county whatever its spelling, the first spelling kept.
    EXPECT_THAT(shell.control<ui::ComboBox>("CountyBox").items(), ElementsAre("Alder", "Birch"));
    EXPECT_THAT(shell.control<ui::ComboBox>("TillageCBNew").items(), ElementsAre("Conventional Tillage", "No Till"));
    EXPECT_THAT(shell.control<ui::ComboBox>("TillageZorvBox").items(),
                ElementsAre("Conventional Tillage", "No Till"));
    EXPECT_THAT(shell.control<ui::ComboBox>("CoverCropBox").items(), ElementsAre("", "Rye", "Oats"));
    EXPECT_EQ(shell.form().values.ZorvTillageId, "0");
    EXPECT_EQ(shell.form().values.Tillage_ID, "0");

    EXPECT_TRUE(shell.form().startupComplete());
    EXPECT_TRUE(shell.control<ui::TabSheet>("TS_Main").enabled());
    EXPECT_TRUE(shell.control<ui::Button>("SearchBtn").enabled());
    EXPECT_TRUE(shell.control<ui::Panel>("RecordViewPnl").visible());
    EXPECT_FALSE(shell.control<ui::Label>("LoadingLBL").visible());
    EXPECT_EQ(shell.control<ui::Grid>("DBGrid1").source()->columnCount(), 47);
    // A missing switch reads as off and is written back so.
    EXPECT_EQ(autoCheckSetting(folder), "false");
    EXPECT_FALSE(shell.control<ui::MenuItem>("AutoCheck1").checked());
}

TEST(Startup, RecordNameListHoldsNameAndTypeOfEveryRecord)
{
    ProgramFolder folder("startup-records");
    folder.addCompleteProgram();
    const std::string tables = folder.path("UserTables");
    shell::CreateNewUserInputTable(tables, "UserInputs");
    Table table;
    table.open(tables, "UserInputs.dbf", TableType::Dbase);
    // RecordName and ModeType are the first two columns.
    appendTextRows(table, {{"North field", "Zorv"}, {"South field", "ZorvTamb"}});
    table.close();

    ShellHarness shell(folder.executable());
    shell.start();
    EXPECT_THAT(shell.dialogs.messageTexts(), IsEmpty());
    EXPECT_THAT(shell.form().values.RecordNameList, ElementsAre("North field=Zorv", "South field=ZorvTamb"));
    shell.form().FreeProgramLists();
    EXPECT_THAT(shell.form().values.RecordNameList, IsEmpty());
}

struct MissingTableCase {
    const char* name;
    const char* file;
    const char* directory;
};

class StartupWithoutTable : public ::testing::TestWithParam<MissingTableCase> {};

TEST_P(StartupWithoutTable, StopsWithTheTableAndItsPlace)
{
    const MissingTableCase& missing = GetParam();
    ProgramFolder folder(std::string("startup-without-") + missing.name);
    folder.addCompleteProgram();
    folder.removeFile(std::string(missing.directory) + "/" + missing.file);
    ShellHarness shell(folder.executable());
    shell.start();

    const std::string expected = std::string("The ") + missing.file + " Table Does not Exist or\nis in the wrong "
                                 "location.\nPlease Place the " + missing.file + " Table in\n" + folder.dir() + "/"
                                 + missing.directory + "\nand Re-Start the Program.";
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Creating new Input Table...", expected));
    EXPECT_EQ(shell.dialogs.messages().back().kind, ui::MessageKind::Error);
    EXPECT_FALSE(shell.form().startupComplete());
    EXPECT_FALSE(shell.control<ui::TabSheet>("TS_Main").enabled());
    EXPECT_TRUE(shell.control<ui::Label>("LoadingLBL").visible());
    // The later steps did not run: the switch was not written back.
    EXPECT_EQ(autoCheckSetting(folder), "false");
    EXPECT_TRUE(shell.control<ui::ComboBox>("TillageZorvBox").items().empty());
}

INSTANTIATE_TEST_SUITE_P(EachTable, StartupWithoutTable,
                         ::testing::Values(MissingTableCase{"distances", "PartPDelivery.db", "UserTables"},
                                           MissingTableCase{"counties", "County_Stations.db", "CountyTables"},
                                           MissingTableCase{"tillage", "Tillage.db", "UserTables"}),
                         [](const auto& info) { return info.param.name; });

TEST(Startup, MissingCropTableLeavesTheCropListsEmptyAndGoesOn)
{
    ProgramFolder folder("startup-without-crops");
    folder.addCompleteProgram();
    folder.removeFile("CropTables/Crops.db");
    ShellHarness shell(folder.executable());
    shell.start();
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Creating new Input Table...", "Cannot locate Crops.db"));
    EXPECT_TRUE(shell.control<ui::ComboBox>("CropBox").items().empty());
    EXPECT_TRUE(shell.form().startupComplete());
}

struct InstanceCase {
    const char* name;
    std::vector<std::string> others; // besides this process
    bool starts;
};

class SingleInstance : public ::testing::TestWithParam<InstanceCase> {};

TEST_P(SingleInstance, CountsCopiesOfTheSameExecutablePath)
{
    ProgramFolder folder(std::string("instance-") + GetParam().name);
    folder.addCompleteProgram();
    ShellHarness shell(folder.executable());
    std::vector<std::string> running{folder.executable()};
    for (const std::string& other : GetParam().others) {
        running.push_back(other == "same" ? folder.executable() : other == "SAME" ? folder.dir() + "/VERDALIS" : other);
    }
    shell.processes.setRunning(running);
    shell.start();

    EXPECT_EQ(shell.application.terminated(), !GetParam().starts);
    EXPECT_EQ(shell.form().startupComplete(), GetParam().starts);
    if (!GetParam().starts) {
        EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Verdalis program already running."));
        // The dialogs are still created before the program ends.
        EXPECT_NE(shell.windows.dialogs.PasswordDlg, nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Copies, SingleInstance,
    ::testing::Values(InstanceCase{"alone", {}, true}, InstanceCase{"same_path", {"same"}, false},
                      InstanceCase{"same_path_other_case", {"SAME"}, false},
                      InstanceCase{"copy_in_another_folder", {"/opt/other/Verdalis"}, true}),
    [](const auto& info) { return info.param.name; });

struct AutoCheckCase {
    const char* name;
    const char* stored; // nullptr: no key
    const char* lastCheck; // nullptr: no key
    bool checks;
    const char* written;
};

class AutomaticUpdateCheck : public ::testing::TestWithParam<AutoCheckCase> {};

TEST_P(AutomaticUpdateCheck, RunsAtMostOncePerDay)
{
    const AutoCheckCase& check = GetParam();
    ProgramFolder folder(std::string("autocheck-") + check.name);
    folder.addCompleteProgram();
    folder.writeFile("AutoCheckSettings.ini", check.stored == nullptr
                                                  ? std::string("[Download Settings]\r\n")
                                                  : std::string("[Download Settings]\r\nAutoCheckForUpdates=")
                                                        + check.stored + "\r\n");
    if (check.lastCheck != nullptr) {
        SettingsFile(folder.path("TableLocations.ini")).writeString("Version Changes", "LastAutoCheckDate", check.lastCheck);
    }
    ShellHarness shell(folder.executable());
    shell.start();

    const bool checked = std::ranges::count(shell.parts.calls, "checkForUpdates") == 1;
    EXPECT_EQ(checked, check.checks);
    EXPECT_EQ(autoCheckSetting(folder), check.written);
    EXPECT_EQ(shell.control<ui::MenuItem>("AutoCheck1").checked(), std::string(check.written) == "true");
}

// Today is 6/15/2010 in the harness.
INSTANTIATE_TEST_SUITE_P(
    Settings, AutomaticUpdateCheck,
    ::testing::Values(AutoCheckCase{"missing_key", nullptr, nullptr, false, "false"},
                      AutoCheckCase{"off", "FALSE", "1/01/2000", false, "false"},
                      AutoCheckCase{"checked_today", "true", "6/15/2010", false, "true"},
                      AutoCheckCase{"checked_yesterday", "true", "6/14/2010", true, "true"},
                      AutoCheckCase{"never_checked", "yes", nullptr, true, "true"}),
    [](const auto& info) { return info.param.name; });

TEST(Startup, PrivateReleaseIsNamedInTheCaption)
{
    ProgramFolder folder("startup-private");
    folder.addCompleteProgram();
    folder.writeFile("TableLocations.ini",
                     "[Version Changes]\r\nVersionType=Private\r\nVersionNum=3\r\nVersionDate=1/02/2011\r\n");
    ShellHarness shell(folder.executable());
    shell.start();
    EXPECT_EQ(shell.form().caption(), "Verdalis     v3.00  1/02/2011 Private Release");
}

} // namespace
} // namespace verdalis::testing
