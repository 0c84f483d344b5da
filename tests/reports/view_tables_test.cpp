#include "password_script.h"

#include "../tables/table_rows.h"
#include "../util/temp_folder.h"
#include "reports/password_sets.h"
#include "reports/view_table_dlg.h"
#include "reports/view_tables_tab.h"
#include "tables/program_dirs.h"
#include "tables/table.h"
#include "tables/table_lookups.h"
#include "ui/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace verdalis::reports {
namespace {

using Lines = std::vector<std::string>;

FieldDef textColumn(std::string name)
{
    return {.name = std::move(name), .type = FieldType::Text, .size = 20};
}

void createTable(const std::filesystem::path& dir, std::string_view fileName, const std::vector<std::string>& columns,
                 const testing::TextRows& rows)
{
    std::vector<FieldDef> fields;
    for (const std::string& column : columns) {
        fields.push_back(textColumn(column));
    }
    Table::create(dir, fileName, TableType::ByExtension, fields);
    Table table;
    table.open(dir, fileName);
    testing::appendTextRows(table, rows);
}

std::vector<std::string> columnTexts(const std::filesystem::path& path, size_t column)
{
    Table table;
    table.open(path.parent_path(), path.filename().string());
    std::vector<std::string> texts;
    for (const auto& row : testing::allText(table)) {
        texts.push_back(row.at(column));
    }
    return texts;
}

class ViewTables : public ::testing::Test {
protected:
    ViewTables()
    {
        std::filesystem::create_directory(cropTables());
        createTable(cropTables(), "Crops.db", {"CropID", "CropName", "Yield"},
                    {{"1", "Corn", "150"}, {"2", "Soybeans", "45"}, {"3", "Wheat", "60"}});
        std::vector<std::string> twelve;
        for (int i = 1; i <= 12; ++i) {
            twelve.push_back("Column" + std::to_string(i));
        }
        createTable(cropTables(), "CoverCropTable.dbf", twelve, {{"Rye"}, {"Oats"}});
        testing::writeFile(dirs.tableLocationsFile(),
                           "[TableLocations]\r\nCrops.db=\\CropTables\r\nCoverCropTable.dbf=\\CropTables\r\n");
        std::filesystem::copy_file(std::filesystem::path(VERDALIS_TEST_DATA) / "EditLock.ini",
                                   programDir.path() / "EditLock.ini");
        sheet.setCaption("View Tables");
    }

    std::filesystem::path cropTables() const { return dirs.CropTablesDir; }
    ui::Button& button(std::string_view caption)
    {
        for (ui::Button* b : tab.tableButtons) {
            if (b->caption() == caption) {
                return *b;
            }
        }
        throw std::logic_error("no button " + std::string(caption));
    }
    // The viewer is shown; the script acts in it and closes it with OK
    // unless it closed it otherwise.
    void expectViewer(std::function<void(TViewTableDlg&)> script = {})
    {
        application.expectModal("ViewTableDlg", [script](ui::Form& form) {
            auto& dlg = static_cast<TViewTableDlg&>(form);
            if (script) {
                script(dlg);
            }
            if (dlg.modalResult() == ui::ModalResult::None) {
                dlg.OKBtn->userClick();
            }
        });
    }
    Lines infoLines() const
    {
        Lines lines;
        for (size_t i = 0; i < tab.RichEdit4->lineCount(); ++i) {
            lines.push_back(tab.RichEdit4->line(i));
        }
        return lines;
    }

    testing::TempFolder programDir;
    ProgramDirs dirs = ProgramDirs::under(programDir.path());
    ui::ScriptedDialogs dialogs;
    ui::ScriptedApplication application;
    ui::BatchState batch;
    TableLookups lookups{dirs, dialogs, batch};
    TPasswordDlg passwordDlg;
    TViewTableDlg viewer{dialogs, application, passwordDlg, dirs};
    ui::Form mainWindow{"Form1"};
    ui::PageControl& pages = mainWindow.add<ui::PageControl>("PageControl1");
    ui::TabSheet& sheet = pages.add<ui::TabSheet>("TS_ViewTables");
    ViewTablesTab tab{sheet, viewer, passwordDlg, lookups, dialogs, application};
};

TEST_F(ViewTables, TabHoldsOneButtonPerTableWithItsMenu)
{
    ASSERT_EQ(tab.tableButtons.size(), 14u);
    EXPECT_EQ(tab.tableButtons.front()->caption(), "Yields_And_N_Factors.DB");
    EXPECT_EQ(tab.tableButtons.back()->caption(), "UserInputs.dbf");
    for (ui::Button* b : tab.tableButtons) {
        ASSERT_NE(b->popupMenu(), nullptr) << b->caption();
        ASSERT_EQ(b->popupMenu()->items().size(), 1u) << b->caption();
        const bool userTable = b == tab.tableButtons.back();
        EXPECT_EQ(b->popupMenu()->items()[0]->caption(), userTable ? "Clear Table" : "List/View Table Info");
        EXPECT_EQ(b->popupMenu()->form(), &mainWindow);
    }
    EXPECT_FALSE(tab.TableInfoGroup->visible());

    int clears = 0;
    tab.onClearUserTable = [&] { ++clears; };
    tab.tableButtons.back()->popupMenu()->items()[0]->userClick();
    EXPECT_EQ(clears, 1);
}

TEST_F(ViewTables, ViewerShowsTheTableReadOnlyAndOkClosesIt)
{
    expectViewer([](TViewTableDlg& dlg) {
        EXPECT_EQ(dlg.caption(), "View Tables:     Crops.db");
        const ui::GridSource& grid = *dlg.DBGrid1->source();
        EXPECT_EQ(grid.rowCount(), 3);
        EXPECT_EQ(grid.columnCount(), 3);
        EXPECT_EQ(grid.columnName(1), "CropName");
        EXPECT_EQ(grid.cellText(1, 1), "Soybeans");
        EXPECT_EQ(grid.currentRow(), 0);
        EXPECT_FALSE(dlg.DBGrid1->userEditCell(1, 1, "Barley"));
        EXPECT_FALSE(dlg.NavEdit->enabled());
        EXPECT_TRUE(dlg.DBGrid1->userMoveToRow(2));
        EXPECT_EQ(dlg.Table1.field("CropName").asText(), "Wheat");
    });
    button("Crops.db").userClick();
    EXPECT_EQ(application.pendingModals(), 0u);
    EXPECT_FALSE(viewer.TableOpen());
    EXPECT_EQ(viewer.caption(), "View Tables");
    EXPECT_EQ(columnTexts(cropTables() / "Crops.db", 1), (Lines{"Corn", "Soybeans", "Wheat"}));
}

TEST_F(ViewTables, MissingTablesAreNotShown)
{
    std::filesystem::remove(cropTables() / "Crops.db");
    button("Crops.db").userClick();        // the file is gone
    button("Curve_Number.db").userClick(); // no location is configured
    EXPECT_FALSE(viewer.TableOpen());
    // The lookup reports each itself; the viewer adds nothing.
    EXPECT_EQ(dialogs.messages().size(), 2u);
}

TEST_F(ViewTables, SecondViewAfterTheCloseBoxNamesOnlyTheSecondTable)
{
    expectViewer([](TViewTableDlg& dlg) { dlg.userClose(); });
    button("Crops.db").userClick();
    EXPECT_TRUE(viewer.TableOpen());
    EXPECT_EQ(viewer.caption(), "View Tables:     Crops.db");

    expectViewer([](TViewTableDlg& dlg) {
        EXPECT_EQ(dlg.caption(), "View Tables:     CoverCropTable.dbf");
        EXPECT_EQ(dlg.DBGrid1->source()->columnCount(), 12);
    });
    button("CoverCropTable.dbf").userClick();
    EXPECT_FALSE(viewer.TableOpen());
}

TEST_F(ViewTables, RefusedEditLockKeepsTheTableReadOnlyOnTheSameRecord)
{
    expectViewer([this](TViewTableDlg& dlg) {
        dlg.DBGrid1->userMoveToRow(1);
        // "QFen" opens the table information, not the edit lock.
        expectPassword(application, "QFen");
        dlg.EditModechkbox->userClick();
        EXPECT_EQ(dialogs.messageTexts(), (Lines{"The Password you have entered is not valid."}));
        EXPECT_FALSE(dlg.EditModechkbox->checked());
        EXPECT_TRUE(dlg.Table1.readOnly());
        EXPECT_EQ(dlg.Table1.recordNumber(), 2u);

        expectPasswordCancelled(application);
        dlg.EditModechkbox->userClick();
        EXPECT_EQ(dialogs.messages().size(), 1u);
        EXPECT_FALSE(dlg.EditModechkbox->checked());
        EXPECT_FALSE(dlg.DBGrid1->userEditCell(1, 1, "Barley"));
    });
    button("Crops.db").userClick();
    EXPECT_EQ(application.pendingModals(), 0u);
}

TEST_F(ViewTables, GrantedEditModeCarriesToTheNextTableUntilUnchecked)
{
    expectViewer([this](TViewTableDlg& dlg) {
        dlg.DBGrid1->userMoveToRow(2);
        expectPassword(application, "SedgeMeadowBank"); // one of the installation's passwords
        dlg.EditModechkbox->userClick();
        EXPECT_TRUE(dlg.EditModechkbox->checked());
        EXPECT_FALSE(dlg.Table1.readOnly());
        EXPECT_EQ(dlg.Table1.recordNumber(), 3u);
        EXPECT_EQ(dlg.Table1.state(), Table::State::Edit);
    });
    button("Crops.db").userClick();

    expectViewer([](TViewTableDlg& dlg) {
        EXPECT_TRUE(dlg.EditModechkbox->checked());
        EXPECT_FALSE(dlg.Table1.readOnly());
        EXPECT_TRUE(dlg.DBGrid1->userEditCell(0, 0, "Cereal rye"));
        dlg.DBGrid1->userLeave();
        EXPECT_EQ(dlg.Table1.state(), Table::State::Browse);

        dlg.EditModechkbox->userClick(); // unchecking needs no password
        EXPECT_TRUE(dlg.Table1.readOnly());
    });
    button("CoverCropTable.dbf").userClick();
    EXPECT_EQ(columnTexts(cropTables() / "CoverCropTable.dbf", 0), (Lines{"Cereal rye", "Oats"}));

    expectViewer([](TViewTableDlg& dlg) { EXPECT_TRUE(dlg.Table1.readOnly()); });
    button("Crops.db").userClick();
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(application.pendingModals(), 0u);
}

TEST_F(ViewTables, LeavingTheGridPostsAnEditButNotAnInsert)
{
    expectViewer([this](TViewTableDlg& dlg) {
        expectPassword(application, "QuillFen");
        dlg.EditModechkbox->userClick();
        EXPECT_TRUE(dlg.DBGrid1->userEditCell(1, 2, "48"));
        EXPECT_EQ(dlg.DBGrid1->source()->cellText(1, 2), "48");
        EXPECT_TRUE(dlg.NavPost->enabled());
        dlg.DBGrid1->userLeave();
        EXPECT_EQ(dlg.Table1.state(), Table::State::Browse);
        EXPECT_EQ(columnTexts(cropTables() / "Crops.db", 2), (Lines{"150", "48", "60"}));

        dlg.NavInsert->userClick();
        EXPECT_EQ(dlg.DBGrid1->source()->rowCount(), 4);
        EXPECT_TRUE(dlg.DBGrid1->userEditCell(3, 1, "Barley"));
        dlg.DBGrid1->userLeave();
        EXPECT_EQ(dlg.Table1.state(), Table::State::Insert);
        dlg.NavCancel->userClick();
        EXPECT_EQ(dlg.DBGrid1->source()->rowCount(), 3);
    });
    button("Crops.db").userClick();
    EXPECT_EQ(columnTexts(cropTables() / "Crops.db", 2), (Lines{"150", "48", "60"}));
}

TEST_F(ViewTables, LeadingColumnsAreProtectedOnlyWhenAsked)
{
    struct Case {
        bool firstTwo;
        bool firstThree;
        std::vector<bool> readOnly;
    };
    const Case cases[] = {
        {true, false, {true, true, false}},
        {false, true, {true, true, true}},
        {false, false, {false, false, false}},
    };
    // Editable, so that only the protection makes a column read-only.
    viewer.ViewTable(cropTables() / "Crops.db", false, false);
    expectPassword(application, "QuillFen");
    viewer.EditModechkbox->userClick();
    ASSERT_FALSE(viewer.DBGrid1->readOnly());
    for (const Case& c : cases) {
        viewer.ViewTable(cropTables() / "Crops.db", c.firstTwo, c.firstThree);
        std::vector<bool> readOnly;
        for (int column = 0; column < 3; ++column) {
            readOnly.push_back(viewer.DBGrid1->columnReadOnly(column));
        }
        EXPECT_EQ(readOnly, c.readOnly) << c.firstTwo << c.firstThree;
    }
}

TEST_F(ViewTables, NavigatorMovesAndChangesOnlyAWritableTable)
{
    expectViewer([this](TViewTableDlg& dlg) {
        EXPECT_FALSE(dlg.NavFirst->enabled());
        EXPECT_FALSE(dlg.NavInsert->enabled());
        EXPECT_FALSE(dlg.NavDelete->enabled());
        dlg.NavLast->userClick();
        EXPECT_EQ(dlg.DBGrid1->source()->currentRow(), 2);
        EXPECT_FALSE(dlg.NavNext->enabled());
        dlg.NavPrior->userClick();
        EXPECT_EQ(dlg.Table1.field("CropName").asText(), "Soybeans");

        expectPassword(application, "QuillFen");
        dlg.EditModechkbox->userClick();
        dlg.NavCancel->userClick(); // leave the edit the lock starts
        EXPECT_TRUE(dlg.NavDelete->enabled());
        dialogs.answer(ui::Answer::No).answer(ui::Answer::Yes);
        dlg.NavDelete->userClick();
        EXPECT_EQ(dlg.DBGrid1->source()->rowCount(), 3);
        dlg.NavDelete->userClick();
        EXPECT_EQ(dlg.DBGrid1->source()->rowCount(), 2);
        EXPECT_EQ(dialogs.messageTexts(), (Lines{"Delete record?", "Delete record?"}));
    });
    button("Crops.db").userClick();
    EXPECT_EQ(columnTexts(cropTables() / "Crops.db", 1), (Lines{"Corn", "Wheat"}));
}

TEST_F(ViewTables, TableInfoListsLocationSizeAndColumnsUntilCleared)
{
    expectPassword(application, "QFen");
    tab.tableButtons[11]->popupMenu()->items()[0]->userClick(); // CoverCropTable.dbf
    EXPECT_TRUE(tab.TableInfoGroup->visible());
    const Lines lines = infoLines();
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0], "CoverCropTable.dbf:");
    EXPECT_EQ(lines[1], "    Hard Drive Location: " + cropTables().string());
    EXPECT_EQ(lines[2], "    Num Records: 2");
    EXPECT_EQ(lines[3], "    Num Columns: 12");
    EXPECT_EQ(lines[4], "        Column1");
    EXPECT_EQ(lines[15], "        Column12");
    EXPECT_EQ(lines[16], " ");

    expectPassword(application, "tresko");
    tab.ListViewTableInfo1Click(button("Crops.db"));
    EXPECT_EQ(infoLines().size(), 17u + 8u);

    tab.PrintLBL4->show();
    tab.ClearColNamesBtn->userClick();
    EXPECT_TRUE(infoLines().empty());
    EXPECT_FALSE(tab.PrintLBL4->visible());
}

TEST_F(ViewTables, TableInfoRefusals)
{
    expectPassword(application, "QFen");
    tab.ListViewTableInfo1Click(button("Curve_Number.db"));
    EXPECT_TRUE(tab.TableInfoGroup->visible());
    expectPassword(application, "SedgeMeadowBank"); // an edit-lock password only
    tab.ListViewTableInfo1Click(button("Crops.db"));
    EXPECT_FALSE(tab.TableInfoGroup->visible());
    expectPasswordCancelled(application);
    tab.ListViewTableInfo1Click(button("Crops.db"));

    // The lookup's own report of the missing location comes first.
    const Lines messages = dialogs.messageTexts();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(Lines(messages.begin() + 1, messages.end()), (Lines{"Error getting Table Info", "Password Invalid!"}));
    EXPECT_TRUE(infoLines().empty());
    EXPECT_EQ(application.pendingModals(), 0u);
}

TEST_F(ViewTables, PrintButtonOfTheGroupPrintsTheListing)
{
    tab.PrintTableInfoBtn->userClick(); // nothing listed yet
    EXPECT_TRUE(dialogs.printJobs().empty());
    expectPassword(application, "QuillFen");
    tab.ListViewTableInfo1Click(button("Crops.db"));
    tab.PrintTableInfoBtn->userClick();
    ASSERT_EQ(dialogs.printJobs().size(), 1u);
    EXPECT_EQ(dialogs.printJobs()[0].document.paragraphCount(), 8u);
    EXPECT_TRUE(tab.PrintLBL4->visible());
    EXPECT_EQ(tab.PrintLBL4->caption(), "Document printed");
}

TEST(EditLockPasswords, MasterPasswordAndTheInstallationsOwn)
{
    testing::TempFolder programDir;
    EXPECT_TRUE(isEditLockPassword(programDir.path(), "QuillFen"));
    // Without the file only the master password opens the lock; a missing
    // key must not read as its "error" marker.
    for (const char* refused : {"error", "", "QFen", "tresko", "quillfen"}) {
        EXPECT_FALSE(isEditLockPassword(programDir.path(), refused)) << refused;
    }

    std::filesystem::copy_file(std::filesystem::path(VERDALIS_TEST_DATA) / "EditLock.ini",
                               programDir / "editlock.INI");
    const std::vector<std::string> further = readEditLockPasswords(programDir / "EditLock.ini");
    ASSERT_EQ(further.size(), 10u);
    for (const std::string& password : further) {
        EXPECT_TRUE(isEditLockPassword(programDir.path(), password)) << password;
        EXPECT_GE(password.size(), 9u);
        EXPECT_LE(password.size(), 16u);
    }
    EXPECT_TRUE(isEditLockPassword(programDir.path(), "RiparianBuffer"));
    EXPECT_FALSE(isEditLockPassword(programDir.path(), "riparianbuffer"));
    EXPECT_FALSE(isEditLockPassword(programDir.path(), "error"));
}

} // namespace
} // namespace verdalis::reports
