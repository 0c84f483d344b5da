// Tabs, the drainage help, resizing and closing of the main window.
#include "password_script.h"
#include "shell_harness.h"
#include "shell/user_input_table.h"
#include "tables/table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace verdalis::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class MainWindow : public ::testing::Test {
protected:
    explicit MainWindow(std::string_view folderName = "main-window") : folder(folderName)
    {
        folder.addCompleteProgram();
    }

    void start()
    {
        shell.start();
        shell.dialogs.clearRecords();
    }

    bool chooseTab(std::string_view name)
    {
        return shell.control<ui::PageControl>("PageControl1").userSelectPage(shell.control<ui::TabSheet>(name));
    }

    std::string viewerText(std::string_view viewer) { return shell.control<ui::RichText>(viewer).document().text(); }

    ProgramFolder folder;
    ShellHarness shell{folder.executable()};
};

TEST_F(MainWindow, HasTheSevenTabsInOrder)
{
    start();
    std::vector<std::string> captions;
    for (ui::TabSheet* page : shell.control<ui::PageControl>("PageControl1").pages()) {
        captions.push_back(page->caption());
    }
    EXPECT_THAT(captions, ElementsAre("Main", "Record View", "View Tables", "Impaired Subwatersheds",
                                      "About Zorv and Tamb", "Version History", "Credits"));
    EXPECT_TRUE(shell.control<ui::TabSheet>("TS_Main").highlighted());
}

TEST_F(MainWindow, InformationTabsLoadTheirDocumentsEachTimeTheyAreShown)
{
    start();
    ASSERT_TRUE(chooseTab("TS_Credits"));
    EXPECT_THAT(viewerText("CreditsRE"), HasSubstr("Credits of the program"));
    EXPECT_TRUE(shell.control<ui::TabSheet>("TS_Credits").highlighted());
    EXPECT_FALSE(shell.control<ui::TabSheet>("TS_Main").highlighted());

    folder.writeFile("CREDITS_Verdalis.rtf", "{\\rtf1\\ansi Credits renewed\\par}");
    ASSERT_TRUE(chooseTab("TS_VersionChanges"));
    EXPECT_THAT(viewerText("VersionChangesRE"), HasSubstr("Version history"));
    EXPECT_THAT(viewerText("CreditsRE"), IsEmpty());
    ASSERT_TRUE(chooseTab("TS_Credits"));
    EXPECT_THAT(viewerText("CreditsRE"), HasSubstr("Credits renewed"));

    ASSERT_TRUE(chooseTab("TS_Subwatersheds"));
    EXPECT_THAT(viewerText("SubwatershedsRE"), HasSubstr("Impaired subwatersheds"));
    ASSERT_TRUE(chooseTab("TS_RecordView"));
    EXPECT_THAT(viewerText("SubwatershedsRE"), IsEmpty());
    EXPECT_THAT(viewerText("VersionChangesRE"), IsEmpty());
    EXPECT_THAT(shell.dialogs.messageTexts(), IsEmpty());
    EXPECT_EQ(shell.application.cursor(), ui::Cursor::Default);
}

TEST_F(MainWindow, ReportAndPrintButtonsReachTheReportsCommands)
{
    start();
    ASSERT_TRUE(chooseTab("TS_Main"));
    ASSERT_TRUE(shell.control<ui::Button>("ViewResultsBtn").userClick());
    ASSERT_EQ(shell.dialogs.messageTexts().size(), 1u);
    EXPECT_THAT(shell.dialogs.messageTexts()[0], HasSubstr("CALCULATE button"));

    // The button's menu reruns CALCULATE with the detail switch on, after
    // the password.
    ASSERT_TRUE(shell.control<ui::RadioButton>("InZorvrb").userClick());
    std::vector<bool> detailedDuringCalculation;
    shell.parts.onCalculateZorv = [&] { detailedDuringCalculation.push_back(shell.batch.DetailedCalculations); };
    reports::expectPassword(shell.application, "QuillFen");
    EXPECT_EQ(shell.control<ui::Button>("ViewResultsBtn").popupMenu(),
              &shell.control<ui::PopupMenu>("ViewResultsPopUp"));
    ASSERT_TRUE(shell.control<ui::MenuItem>("ViewDetailedCalculations1").userClick());
    EXPECT_EQ(detailedDuringCalculation, std::vector<bool>{true});
    EXPECT_FALSE(shell.batch.DetailedCalculations);
    EXPECT_EQ(shell.application.pendingModals(), 0u);
    // The recorded method wrote no log, so there is still nothing to view.
    EXPECT_EQ(shell.dialogs.messageTexts().size(), 2u);

    ASSERT_TRUE(chooseTab("TS_Credits"));
    ASSERT_TRUE(shell.control<ui::Button>("CreditsPrintBtn").userClick());
    ASSERT_EQ(shell.dialogs.printJobs().size(), 1u);
    EXPECT_THAT(shell.dialogs.printJobs()[0].document.text(), HasSubstr("Credits of the program"));
    EXPECT_TRUE(shell.control<ui::Label>("PrintLBL2").visible());
    EXPECT_EQ(shell.control<ui::Label>("PrintLBL2").caption(), "Document has been sent to the printer");

    ASSERT_TRUE(chooseTab("TS_ViewTables"));
    EXPECT_FALSE(shell.control<ui::Label>("PrintLBL4").visible());
    EXPECT_TRUE(shell.control<ui::Button>("CropsBtn").visible());
}

TEST_F(MainWindow, ClearTableRecreatesTheUserTableEmptyAfterTheUsersYes)
{
    const std::string userTables = folder.path("UserTables");
    shell::CreateNewUserInputTable(userTables, "UserInputs.dbf");
    {
        Table table;
        table.open(userTables, "UserInputs.dbf", TableType::Dbase);
        table.append();
        table.field("RecordName").setText("Kept");
        table.post();
    }
    start();
    auto& clear = shell.control<ui::MenuItem>("UserInputsClearItem");
    const std::string question =
        "Are you sure you want to DELETE your current UserInputs Table?\nYou will lose any saved information.";

    shell.dialogs.answer(ui::Answer::No);
    ASSERT_TRUE(clear.userClick());
    EXPECT_EQ(shell.parts.userTable().recordCount(), 1u);

    shell.dialogs.answer(ui::Answer::Yes);
    ASSERT_TRUE(clear.userClick());
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre(question, question));
    EXPECT_TRUE(shell.parts.userTable().isOpen());
    EXPECT_EQ(shell.parts.userTable().recordCount(), 0u);
    EXPECT_TRUE(shell.control<ui::TabSheet>("TS_Main").enabled());
}

TEST_F(MainWindow, MissingDocumentIsReportedAndTheCursorRestored)
{
    folder.removeFile("SubWatersheds.rtf");
    start();
    chooseTab("TS_Subwatersheds");
    ASSERT_EQ(shell.dialogs.messages().size(), 1u);
    EXPECT_EQ(shell.dialogs.messages()[0].kind, ui::MessageKind::Error);
    EXPECT_THAT(shell.dialogs.messages()[0].text, HasSubstr("SubWatersheds.rtf"));
    EXPECT_THAT(shell.application.cursorHistory(), ElementsAre(ui::Cursor::Hourglass, ui::Cursor::Default));
    EXPECT_THAT(viewerText("SubwatershedsRE"), IsEmpty());
}

TEST_F(MainWindow, RestoreBackupFollowsTheBackupFile)
{
    start();
    chooseTab("TS_RecordView");
    EXPECT_FALSE(shell.control<ui::Button>("RestoreBackupBtn").enabled());
    folder.writeFile("UserTables/UserInputs.dbf.bak", "backup");
    chooseTab("TS_Main");
    chooseTab("TS_RecordView");
    EXPECT_TRUE(shell.control<ui::Button>("RestoreBackupBtn").enabled());
}

TEST_F(MainWindow, DrainageHelpSelectsTheSectionInMaroon)
{
    start();
    ASSERT_TRUE(shell.control<ui::Label>("HelpLBL").onClick != nullptr);
    shell.form().Label1Click();
    EXPECT_EQ(shell.control<ui::PageControl>("PageControl1").activePage()->name(), "TS_AboutZorvTamb");
    auto& manual = shell.control<ui::RichText>("ManualRE");
    EXPECT_THAT(manual.selectedText(), ::testing::StartsWith("Calculating Surface and Subsurface"));
    EXPECT_THAT(manual.selectedText(), ::testing::EndsWith("Some words\n"));
    EXPECT_EQ(shell.form().activeControl(), &manual);
    bool maroon = false;
    for (const auto& paragraph : manual.document().paragraphs()) {
        for (const auto& run : paragraph.runs) {
            maroon = maroon || (run.text.find("Some words") != std::string::npos && run.format.color == colors::maroon);
        }
    }
    EXPECT_TRUE(maroon);
}

TEST_F(MainWindow, DrainageHelpWithoutManualShowsOnlyTheManualError)
{
    folder.removeFile("Verdalis_Manual_ond.rtf");
    start();
    shell.form().Label1Click();
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Cannot Locate Verdalis Manual"));
}

TEST_F(MainWindow, ResizeKeepsTheLogFifteenPixelsFromTheRightEdge)
{
    start();
    shell.form().userResize(1000, 700);
    const auto& log = shell.control<ui::RichText>("CalcRichEdit");
    EXPECT_EQ(log.left() + log.width(), 1000 - 15);
}

TEST_F(MainWindow, ClosingClosesTheTableAndDeletesTheWorkingTables)
{
    start();
    folder.writeFile("FertInfoTbl.db", "working");
    EXPECT_TRUE(shell.form().close());
    EXPECT_FALSE(folder.exists("FertInfoTbl.db"));
    EXPECT_FALSE(shell.parts.userTable().isOpen());
}

TEST_F(MainWindow, ClosingDuringADownloadDisconnectsAndStaysOpen)
{
    start();
    shell.form().show();
    shell.control<ui::Button>("ExitBtn").hide();
    EXPECT_FALSE(shell.form().close());
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Closing Internet Connection, Please Wait..."));
    EXPECT_EQ(shell.dialogs.messages()[0].kind, ui::MessageKind::Information);
    EXPECT_EQ(shell.parts.calls.back(), "disconnect");
    EXPECT_TRUE(shell.control<ui::Button>("ExitBtn").visible());
    EXPECT_TRUE(shell.form().visible());
}

TEST_F(MainWindow, StartButtonsShowTheToolbar)
{
    start();
    EXPECT_FALSE(shell.control<ui::Panel>("Panel1").visible());
    shell.form().show();
    ASSERT_TRUE(shell.control<ui::Button>("TambBtn").userClick());
    EXPECT_FALSE(shell.control<ui::Panel>("StartPnl").visible());
    EXPECT_TRUE(shell.control<ui::Panel>("Panel1").visible());
}

struct ManualCase {
    const char* name;
    const char* folder;
    std::vector<const char*> manuals;
    const char* shown; // nullptr: none
};

class ManualChoice : public ::testing::TestWithParam<ManualCase> {};

TEST_P(ManualChoice, FollowsTheInstallationFolder)
{
    const ManualCase& manual = GetParam();
    ProgramFolder folder(manual.folder);
    folder.addCompleteProgram();
    folder.removeFile("Verdalis_Manual_ond.rtf");
    for (const char* file : manual.manuals) {
        folder.writeFile(file, std::string("{\\rtf1\\ansi ") + file + "\\par}");
    }
    ShellHarness shell(folder.executable());
    shell.start();
    shell.dialogs.clearRecords();
    shell.control<ui::PageControl>("PageControl1").userSelectPage(shell.control<ui::TabSheet>("TS_AboutZorvTamb"));
    const std::string text = shell.control<ui::RichText>("ManualRE").document().text();
    if (manual.shown == nullptr) {
        EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Cannot Locate Verdalis Manual"));
    } else {
        EXPECT_THAT(text, HasSubstr(manual.shown));
        EXPECT_THAT(shell.dialogs.messageTexts(), IsEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ManualChoice,
    ::testing::Values(
        ManualCase{"office_folder_takes_telm", "manual-Kavo-office", {"Verdalis_Manual_ond.rtf", "Verdalis_Manual_telm.rtf"},
                   "Verdalis_Manual_telm.rtf"},
        ManualCase{"office_folder_without_telm", "manual-kavo-only-ond", {"Verdalis_Manual_ond.rtf"}, nullptr},
        ManualCase{"other_folder_prefers_ond", "manual-other", {"Verdalis_Manual_ond.rtf", "Verdalis_Manual_telm.rtf"},
                   "Verdalis_Manual_ond.rtf"},
        ManualCase{"other_folder_falls_back_to_telm", "manual-other-telm", {"Verdalis_Manual_telm.rtf"},
                   "Verdalis_Manual_telm.rtf"},
        ManualCase{"no_manual", "manual-none", {}, nullptr}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace verdalis::testing
