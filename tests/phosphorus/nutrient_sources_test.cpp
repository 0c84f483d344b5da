// The nutrient source dialog: what the grid lets a person type, which rows
// become sources, the texts a saved record keeps and writing them back.
#include "phosphorus_fixture.h"

#include "tables/csv_reader.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace verdalis::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Rows of the working table, in the order of the nutrient source table.
enum Row { TripleSuperphosphate, StarterFertilizer, BroilerLitter, DairyManure };
// Its columns.
enum Column { Description, Amount, Units, Percent, Pounds, ContentUnit, Method };

constexpr const char* surfaceApplied = "Surface applied, not incorporated";
constexpr const char* incorporated = "Incorporated within 24 hours";
const std::string readingFailed = "Error Entering Table Information.\nPlease Make Changes.";

struct Cell {
    int row;
    int column;
    std::string text;
};

class NutrientSources : public PhosphorusInputs {
protected:
    explicit NutrientSources(std::string_view folderName = "nutrient-sources") : PhosphorusInputs(folderName) {}

    // The user fills the cells and closes the dialog with the result.
    void expectDialog(std::vector<Cell> cells, ui::ModalResult result = ui::ModalResult::Ok)
    {
        shell.application.expectModal("EnterInfoDlg", [cells, result](ui::Form& form) {
            auto& grid = form.get<ui::Grid>("DBGrid1");
            for (const Cell& cell : cells) {
                ASSERT_TRUE(grid.userEditCell(cell.row, cell.column, cell.text)) << cell.text;
            }
            form.setModalResult(result);
        });
    }
    void openDialog()
    {
        ASSERT_TRUE(control<ui::Button>("NAppRateBtn").userMouseUp(4, 4));
        EXPECT_EQ(shell.application.pendingModals(), 0u);
    }
    std::string missingData(const std::string& source)
    {
        return source + " is missing data.\n" + source +
               " will not be part of the calculation\nuntil ALL the necessary information has been entered.";
    }
    std::vector<std::string> sourceNames()
    {
        std::vector<std::string> names;
        for (const shell::NutrientSource& source : record().nutrients.sources) {
            names.push_back(source.name);
        }
        return names;
    }
    phosphorus::TEnterInfoDlg& dialog() { return *shell.windows.dialogs.EnterInfoDlg; }
    shell::NutrientSummary& nutrients() { return record().nutrients; }
};

TEST_F(NutrientSources, AcceptedRowsBecomeTheSourceListAndTheSavedTexts)
{
    expectDialog({{TripleSuperphosphate, Amount, "200"},
                  {TripleSuperphosphate, Percent, "18"},
                  {TripleSuperphosphate, Method, surfaceApplied},
                  {StarterFertilizer, Amount, "200"},
                  {BroilerLitter, Amount, "3.25"},
                  {BroilerLitter, Pounds, "15"},
                  {BroilerLitter, Method, surfaceApplied},
                  {DairyManure, Amount, "2"},
                  {DairyManure, Method, incorporated}});
    openDialog();

    EXPECT_THAT(messages(), ElementsAre(missingData("Starter Fertilizer")))
        << "an amount without % P2O5 and with 0 lb P2O5";
    EXPECT_THAT(sourceNames(), ElementsAre("Triple Superphosphate", "Broiler Litter", "Dairy Manure"));
    EXPECT_EQ(nutrients().count, 3);
    EXPECT_EQ(control<ui::Label>("TotalNutrientsLBL").caption(), "Nutrient Count = 3");
    const shell::NutrientSource& triple = nutrients().sources[0];
    EXPECT_EQ(triple.appliedAmount, 200.0f);
    EXPECT_EQ(triple.pctP2O5, 18.0f);
    EXPECT_EQ(triple.appFactor, 1.0f);
    EXPECT_EQ(triple.appMethodId, "6");
    // A manure entered above its table value counts for (2 - 0.8) times it;
    // one entered at its table value stays.
    EXPECT_FLOAT_EQ(nutrients().sources[1].lbP2O5, 18.0f);
    EXPECT_EQ(nutrients().sources[1].pctP2O5, shell::nutrientNotEntered);
    EXPECT_FLOAT_EQ(nutrients().sources[2].lbP2O5, 10.0f);
    EXPECT_EQ(nutrients().sources[2].appFactor, 0.4f);

    EXPECT_EQ(nutrients().NutrientID, "101,201,202");
    EXPECT_EQ(nutrients().NutrientLB, "200,3.25,2");
    EXPECT_EQ(nutrients().ManureP2O5, "0,15,10");
    EXPECT_EQ(nutrients().AppMethod, "6,6,2");
    EXPECT_EQ(nutrients().Pct_P2O5, "18,-1,-1");
}

TEST_F(NutrientSources, AFailedReadingBringsTheDialogBackUntilTheUserGivesUp)
{
    expectDialog({{BroilerLitter, Amount, "3"}});
    expectDialog({}, ui::ModalResult::Cancel);
    shell.dialogs.answer(ui::Answer::No);
    openDialog();
    EXPECT_THAT(messages(), ElementsAre("Error!!  AppMethod has not been selected.", readingFailed,
                                        "Would you like to keep your\ncurrent Nutrient settings?"));
    EXPECT_EQ(nutrients().count, 0);
    EXPECT_EQ(control<ui::Label>("TotalNutrientsLBL").caption(), "Nutrient Count = 0");

    shell.dialogs.clearRecords();
    expectDialog({{BroilerLitter, Method, incorporated}}, ui::ModalResult::Cancel);
    shell.dialogs.answer(ui::Answer::Yes);
    openDialog();
    EXPECT_THAT(sourceNames(), ElementsAre("Broiler Litter")) << "the entries last until the next reset";
}

TEST_F(NutrientSources, TheNitrogenMethodAloneTakesOverNoRow)
{
    chooseType("InZorvrb");
    expectDialog({{TripleSuperphosphate, Amount, "100"}, {TripleSuperphosphate, Percent, "46"}});
    ASSERT_TRUE(control<ui::MenuItem>("CalculateMyNAppRateFromMyFertilizer1").userClick());
    EXPECT_THAT(messages(), ElementsAre(missingData("Triple Superphosphate")));
    EXPECT_EQ(nutrients().count, 0);
}

TEST_F(NutrientSources, TheButtonOffersTheRateMenuBelowThePointerForZorv)
{
    chooseType("InZorvrb");
    auto& button = control<ui::Button>("NAppRateBtn");
    button.show();
    ASSERT_TRUE(button.userMouseUp(4, 6));
    const auto at = control<ui::PopupMenu>("NAppRatePopUp").lastPopup();
    ASSERT_TRUE(at.has_value());
    ui::ScreenPoint buttonAt;
    for (const ui::Control* control = &button; control != nullptr; control = control->parent()) {
        buttonAt.x += control->left();
        buttonAt.y += control->top();
    }
    EXPECT_EQ(at->x, buttonAt.x + 4);
    EXPECT_EQ(at->y, buttonAt.y + 6 + 20);

    control<ui::Edit>("NAppRateBox").hide();
    ASSERT_TRUE(control<ui::MenuItem>("IKnowMyNApplicationRate1").userClick());
    EXPECT_TRUE(shown("NAppRateBox"));
}

TEST_F(NutrientSources, TheGridTakesNumbersWhereNumbersBelongAndTheMethodOnlyFromItsList)
{
    shell.application.expectModal("EnterInfoDlg", [this](ui::Form& form) {
        auto& grid = form.get<ui::Grid>("DBGrid1");
        EXPECT_THAT(grid.columnPickList(Method),
                    ElementsAre("", "Injected below the surface", incorporated, surfaceApplied));
        EXPECT_TRUE(grid.columnReadOnly(Description) && grid.columnReadOnly(Units) && grid.columnReadOnly(ContentUnit));
        ASSERT_TRUE(grid.userMoveToRow(TripleSuperphosphate));
        ASSERT_TRUE(grid.userMoveToColumn(Amount));
        for (ui::Key key : std::vector<ui::Key>{'1', 'x', '.', '5', ui::backspaceKey, '0'}) {
            grid.userKey(key);
        }
        EXPECT_EQ(grid.source()->cellText(TripleSuperphosphate, Amount), "1.0");
        ASSERT_TRUE(grid.userMoveToColumn(Method));
        grid.userKey('a');
        ASSERT_TRUE(grid.userMoveToColumn(Percent));
        grid.userKey('4');
        EXPECT_EQ(grid.source()->cellText(TripleSuperphosphate, Percent), "4");
        ASSERT_TRUE(grid.userMoveToRow(BroilerLitter));
        grid.userKey('4');
        EXPECT_TRUE(grid.columnReadOnly(Percent)) << "a manure's P2O5 is given in pounds";
        EXPECT_EQ(grid.source()->cellText(BroilerLitter, Percent), "");
        ASSERT_TRUE(grid.userMoveToColumn(Pounds));
        grid.userKey('z');
        EXPECT_EQ(shell.application.beeps(), 4);
        form.setModalResult(ui::ModalResult::Cancel);
    });
    shell.dialogs.answer(ui::Answer::No);
    openDialog();
    EXPECT_THAT(sourceNames(), IsEmpty());
}

TEST_F(NutrientSources, SavedTextsAreWrittenBackAndReadSilently)
{
    const phosphorus::SavedNutrientTexts saved{"201,101", "3,250", "-1,11", "6,2", "15,-1"};
    ASSERT_TRUE(shell.windows.nutrientApplications->loadSavedSources(saved));
    EXPECT_EQ(shell.application.pendingModals(), 0u);
    EXPECT_THAT(messages(), IsEmpty());
    EXPECT_THAT(sourceNames(), ElementsAre("Triple Superphosphate", "Broiler Litter"));
    EXPECT_FLOAT_EQ(nutrients().sources[1].lbP2O5, 18.0f);
    EXPECT_EQ(nutrients().sources[0].pctP2O5, 11.0f);
    EXPECT_EQ(nutrients().sources[0].lbP2O5, 0.0f) << "the table's pounds where none was saved";
    EXPECT_EQ(nutrients().ManureP2O5, "0,15");
    EXPECT_EQ(control<ui::Label>("TotalNutrientsLBL").caption(), "Nutrient Count = 2");
}

TEST_F(NutrientSources, ASavedRecordWithMoreSourcesThanMethodsIsRefused)
{
    const phosphorus::SavedNutrientTexts saved{"101,201,202", "1,2,3", "-1,-1,-1", "6,6", "-1,-1,-1"};
    const std::string mismatch =
        "Error!! Fert Info Does Not Match in Inputs Table.\r\nNumber of Fertilizers: 3\r\nNumber of Application "
        "Methods: 2";
    EXPECT_FALSE(dialog().SetFertInfo(saved));
    EXPECT_THAT(messages(), ElementsAre(mismatch));

    shell.dialogs.clearRecords();
    shell.batch.BatchRunning = true;
    EXPECT_FALSE(dialog().SetFertInfo(saved));
    EXPECT_THAT(messages(), IsEmpty());
    EXPECT_EQ(shell.batch.BatchMessage, mismatch);
    EXPECT_TRUE(shell.batch.BatchMessagePending);
}

TEST_F(NutrientSources, AReadingThatFailsWhileARecordLoadsIsReportedOnce)
{
    expectDialog({{DairyManure, Amount, "3"}});
    expectDialog({}, ui::ModalResult::Cancel);
    shell.dialogs.answer(ui::Answer::No);
    openDialog();
    shell.dialogs.clearRecords();

    EXPECT_FALSE(shell.windows.nutrientApplications->loadSavedSources({}));
    EXPECT_THAT(messages(), ElementsAre("Error!!  AppMethod has not been selected.", readingFailed));
    EXPECT_EQ(nutrients().count, 0);
}

TEST_F(NutrientSources, AResetDeletesTheWorkingTableAndWithItTheEntries)
{
    expectDialog({{DairyManure, Amount, "3"}, {DairyManure, Method, incorporated}});
    openDialog();
    ASSERT_TRUE(folder.exists("FertInfoTbl.db"));
    shell.form().ResetAllValues(true, true);
    EXPECT_FALSE(folder.exists("FertInfoTbl.db"));
    EXPECT_FALSE(dialog().ViewTable("Other.db"));
    EXPECT_THAT(messages(), ElementsAre("Invalid FileName"));
}

TEST_F(NutrientSources, EachCoefficientIsReadForTheNamedSource)
{
    phosphorus::NutrientSourceFacts& facts = dialog().sourceFacts();
    EXPECT_EQ(facts.GetFertilizerType("broiler litter"), "Manure");
    EXPECT_EQ(facts.GetFertilizerP205("Broiler Litter"), 12);
    EXPECT_EQ(facts.GetFertilizerSolubleP("Broiler Litter"), 7.9);
    EXPECT_EQ(facts.GetFertilizerNonSolubleP("Starter Fertilizer"), 0) << "an empty cell";
    EXPECT_EQ(facts.GetFertilizerSPAF("Dairy Manure"), 0.5);
    EXPECT_EQ(facts.GetFertilizerNonSPAF("Dairy Manure"), 0.15);
    EXPECT_EQ(facts.GetFertilizerP205Factor("Dairy Manure", 6), 0.85);
    EXPECT_EQ(facts.GetFertilizerP205Factor("Dairy Manure", 1), 0.95);
    EXPECT_EQ(facts.GetFertilizerP205Factor("Compost", 6), 0);
    EXPECT_THAT(messages(), IsEmpty());

    EXPECT_EQ(facts.GetFertilizerType("Compost"), "error");
    EXPECT_EQ(facts.GetFertilizerSPAF("Compost"), -1);
    EXPECT_THAT(messages(), ElementsAre("Compost     Type not found in NutrientSources.DB table",
                                        "Compost     Fert SPAF not found in NutrientSources.DB table"));
}

class ManySources : public NutrientSources {
protected:
    ManySources() : NutrientSources("many-sources")
    {
        Rows rows;
        for (int i = 0; i < shell::maxNutrientSources + 1; ++i) {
            rows.push_back({std::to_string(300 + i), "Compost " + std::to_string(i), "Compost", "5", "lb/ton",
                            "tons/ac", "1", "1", "0.4", "0.1", "0.9", "0.95"});
        }
        folder.addTable("UserTables", "NutrientSources.db",
                        {"Source_ID", "Description", "Type", "lb_P2O5", "Content_Unit", "AppUnits", "Soluble_P",
                         "NonSoluble_P", "SPAF", "NonSPAF", "Surface Applied", "Injected or Incorporated"},
                        rows);
    }
};

TEST_F(ManySources, RowsBeyondTheMostSourcesAreRefused)
{
    std::vector<Cell> cells;
    for (int row = 0; row < shell::maxNutrientSources + 1; ++row) {
        cells.push_back({row, Amount, "1"});
        cells.push_back({row, Method, incorporated});
    }
    expectDialog(cells);
    expectDialog({{shell::maxNutrientSources, Amount, ""}});
    openDialog();
    EXPECT_THAT(messages(), ElementsAre("At most 50 nutrient sources can be part of the calculation.\nPlease clear "
                                        "the amounts of the others.",
                                        readingFailed, missingData("Compost 50")));
    EXPECT_EQ(nutrients().count, shell::maxNutrientSources);
}

// The grid fills each row's pounds of P2O5 from the table; a fertilizer with
// pounds there would count as entered although nobody typed them.
TEST(BundledNutrientSources, FertilizersCarryNoPoundsOfP2O5)
{
    const char* source = std::getenv("VERDALIS_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    std::ifstream file(std::string(source) + "/data/tables/UserTables/NutrientSources.db.csv", std::ios::binary);
    ASSERT_TRUE(file);
    std::stringstream text;
    text << file.rdbuf();
    const std::string content = text.str();
    CsvReader reader(content, "NutrientSources.db.csv");
    std::vector<std::string> header;
    ASSERT_TRUE(reader.next(header));
    const auto column = [&](std::string_view name) {
        return static_cast<size_t>(std::find(header.begin(), header.end(), name) - header.begin());
    };
    const size_t type = column("Type");
    const size_t pounds = column("lb_P2O5");
    ASSERT_LT(std::max(type, pounds), header.size());
    int fertilizers = 0;
    for (std::vector<std::string> row; reader.next(row);) {
        if (row.at(type) == "Fertilizer") {
            ++fertilizers;
            EXPECT_EQ(row.at(pounds), "0") << row.at(column("Description"));
        }
    }
    EXPECT_GT(fertilizers, 0);
}

} // namespace
} // namespace verdalis::testing
