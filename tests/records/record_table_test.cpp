// Saving, fetching, loading, deleting and opening records of the user
// table through the main window's controls.
#include "records_fixture.h"

namespace verdalis::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class UserTableRecords : public RecordsTest {
protected:
    UserTableRecords() : RecordsTest("user-table-records") {}

    // The inputs of a field of both types, as a user enters them.
    void enterBothTypes()
    {
        ASSERT_TRUE(shell.control<ui::RadioButton>("InZorvTambrb").userClick());
        ASSERT_TRUE(shell.control<ui::ComboBox>("CountyBox").userSelectText("Birch"));
        ASSERT_TRUE(shell.control<ui::ComboBox>("SoilMapUnitBox").userSelectText("MfB: Marlow loam"));
        ASSERT_TRUE(shell.control<ui::ComboBox>("CropBox").userSelectText("Corn"));
        ASSERT_TRUE(shell.control<ui::ComboBox>("CropBox2").userSelectText("Wheat"));
        ASSERT_TRUE(shell.control<ui::Edit>("AcresBox").userSetText("25"));
        ASSERT_TRUE(shell.control<ui::Edit>("SlopeED").userSetText("3"));
        ASSERT_TRUE(shell.control<ui::Edit>("SoilLossED").userSetText("3.5"));
        shell.control<ui::RadioButton>("RD_No").setChecked(true);
        shell.form().record.nitrogen.Total_N_Lost = 42.5f;
        shell.form().record.bmp.BMPAcres = 12.5f;
        shell.form().record.bmp.BMPs = "1,4";
        shell.form().record.bmp.BMPWidths = "30,-1";
    }

    // Answers whether the save ended without an error.
    bool save(const std::string& name)
    {
        shell.dialogs.answerText(name);
        return click("SaveBtn");
    }
};

TEST_F(UserTableRecords, ASavedRecordComesBackIntoTheInputsThroughTheChangeHandlers)
{
    start();
    enterBothTypes();
    ASSERT_TRUE(save("Field A"));

    const auto saved = readRecords(userTable());
    ASSERT_EQ(saved.size(), 1u);
    const Columns& record = saved[0];
    EXPECT_EQ(record.at("RecordName"), "Field A");
    EXPECT_EQ(record.at("ModeType"), "ZorvTamb");
    EXPECT_EQ(record.at("County"), "Birch");
    EXPECT_EQ(record.at("MappingUnt"), "MfB: Marlow loam");
    EXPECT_EQ(record.at("CROP_Zorv"), "Corn");
    EXPECT_EQ(record.at("CROP_Tamb"), "Wheat");
    EXPECT_EQ(record.at("FieldACRES"), "25");
    EXPECT_EQ(record.at("FieldSlope"), "3");
    EXPECT_EQ(record.at("ACRES_AFF"), "12.5");
    EXPECT_EQ(record.at("TotalNLost"), "42.5");
    EXPECT_EQ(record.at("Soil_Loss"), "3.5");
    EXPECT_EQ(record.at("BMPS"), "1,4");
    EXPECT_EQ(record.at("DrainSystm"), "no");
    EXPECT_EQ(record.at("HydroCond"), "") << "the condition group was hidden";
    EXPECT_THAT(shell.form().values.RecordNameList, Contains("Field A=ZorvTamb"));
    EXPECT_EQ(boxText("CropBox"), "") << "saving resets the inputs";
    EXPECT_EQ(editText("AcresBox"), "");

    changes.clear();
    shell.dialogs.answerText("field a");
    ASSERT_TRUE(click("GetRecordBtn"));
    EXPECT_THAT(changes,
                ElementsAre("county Birch", "map unit MfB: Marlow loam", "crop Corn", "phosphorus crop Wheat"));
    EXPECT_EQ(shell.form().record.county.LKey, "1");
    EXPECT_EQ(shell.form().record.mapUnit.MUKey, "1001");
    EXPECT_EQ(shell.form().record.zorvCrop.ZorvCropCode, "2") << "the nitrogen crop's values were looked up";
    EXPECT_EQ(shell.form().record.tambCrop.CN_CropID, "5") << "the phosphorus crop's values were looked up";
    EXPECT_EQ(shell.form().record.bmp.BMPs, "1,4");
    EXPECT_EQ(shell.form().record.bmp.BMPWidths, "30,-1");
    EXPECT_EQ(boxText("CropBox"), "Corn");
    EXPECT_EQ(boxText("CropBox2"), "Wheat");
    EXPECT_EQ(editText("AcresBox"), "25");
    EXPECT_EQ(editText("SoilLossED"), "3.5");
    EXPECT_THAT(shell.dialogs.messageTexts(), IsEmpty());
    EXPECT_FALSE(records().LoadingRecord());
}

TEST_F(UserTableRecords, SavingChecksTheInputsAndAsksForANameUntilItHasOne)
{
    start();
    ASSERT_TRUE(click("SaveBtn"));
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Not enough information to SAVE."));

    enterBothTypes();
    ASSERT_TRUE(save("Field A"));
    enterBothTypes();
    shell.form().record.bmp.BMPAcres = 3;
    shell.dialogs.clearRecords();
    // An empty name, then an existing one not to overwrite, then cancelled.
    shell.dialogs.answerText("").answerText("FIELD A").answer(ui::Answer::No).answerText(std::nullopt);
    ASSERT_TRUE(click("SaveBtn"));
    EXPECT_THAT(shell.dialogs.messageTexts(),
                ElementsAre("You Must Enter a Session/Record Name in order to SAVE",
                            "The Session/Record Name:FIELD A\n already exists.\nWould you like to OVERWRITE FIELD A?",
                            "Session/Record NOT SAVED"));
    EXPECT_EQ(readRecords(userTable()).size(), 1u);
    EXPECT_EQ(boxText("CropBox"), "Corn") << "nothing saved, nothing reset";
}

TEST_F(UserTableRecords, OverwritingKeepsTheColumnsTheNewTypeLeavesOut)
{
    start();
    enterBothTypes();
    ASSERT_TRUE(save("Field A"));

    ASSERT_TRUE(shell.control<ui::RadioButton>("InZorvrb").userClick());
    ASSERT_TRUE(shell.control<ui::ComboBox>("SoilMapUnitBox").userSelectText("TwB: Tweed silt"));
    ASSERT_TRUE(shell.control<ui::ComboBox>("CropBox").userSelectText("Alfalfa"));
    ASSERT_TRUE(shell.control<ui::Edit>("AcresBox").userSetText("10"));
    shell.dialogs.answerText("Field A").answer(ui::Answer::Yes);
    ASSERT_TRUE(click("SaveBtn"));

    const auto saved = readRecords(userTable());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].at("ModeType"), "Zorv");
    EXPECT_EQ(saved[0].at("CROP_Zorv"), "Alfalfa");
    EXPECT_EQ(saved[0].at("ACRES_AFF"), "") << "no acres affected";
    EXPECT_EQ(saved[0].at("CROP_Tamb"), "Wheat") << "a Zorv save writes no phosphorus inputs";
    EXPECT_EQ(saved[0].at("Soil_Loss"), "3.5");
    EXPECT_EQ(shell.form().values.RecordNameList.size(), 1u);
}

TEST_F(UserTableRecords, AColumnThatRefusesItsValuePostsWhatWasWrittenBeforeAndNamesTheColumn)
{
    start();
    enterBothTypes();
    ASSERT_TRUE(shell.control<ui::Edit>("SlopeED").userSetText("steep"));
    EXPECT_FALSE(save("Field B"));

    const auto messages = shell.dialogs.messageTexts();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_THAT(messages[0], HasSubstr("FieldSlope"));
    EXPECT_THAT(messages[0], HasSubstr("steep"));
    const auto saved = readRecords(userTable());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].at("RecordName"), "Field B");
    EXPECT_EQ(saved[0].at("FieldACRES"), "25") << "written before the slope";
    EXPECT_EQ(saved[0].at("N_App_Acrs"), "") << "written after the slope";
    EXPECT_EQ(boxText("CropBox"), "") << "the inputs are reset whatever happened";
    EXPECT_FALSE(records().SuppressRecordLoad);
}

TEST_F(UserTableRecords, StoredMapUnitsAndCropsAreFoundByTheirSymbolNameOrCode)
{
    appendRecords(userTable(), {{{"RecordName", "By name"},
                                 {"ModeType", "Zorv"},
                                 {"County", "birch"},
                                 {"MappingUnt", " Tweed silt "},
                                 {"CROP_Zorv", "3"}},
                                {{"RecordName", "By symbol"},
                                 {"ModeType", "zorv"},
                                 {"County", "Birch"},
                                 {"MappingUnt", "MfB"},
                                 {"CROP_Zorv", "Corn"}},
                                {{"RecordName", "Unknown code"},
                                 {"ModeType", "Zorv"},
                                 {"County", "Birch"},
                                 {"MappingUnt", "MfB"},
                                 {"CROP_Zorv", "12"}}});
    start();
    table().first();
    EXPECT_EQ(boxText("SoilMapUnitBox"), "TwB: Tweed silt");
    EXPECT_EQ(boxText("CropBox"), "Alfalfa");
    table().next();
    EXPECT_EQ(boxText("SoilMapUnitBox"), "MfB: Marlow loam");
    EXPECT_EQ(boxText("CropBox"), "Corn");
    EXPECT_THAT(shell.dialogs.messageTexts(), Contains(HasSubstr("MfB"))) << "the name lookup failed first";
    shell.dialogs.clearRecords();
    table().next();
    const auto messages = shell.dialogs.messageTexts();
    ASSERT_GE(messages.size(), 2u);
    EXPECT_EQ(messages[messages.size() - 2], "Unknown Crop:  error");
    EXPECT_EQ(messages.back(), "Some or all of the information in the record could not\nbe imported.");
}

TEST_F(UserTableRecords, APhosphorusRecordBringsBackItsHydrologicConditionAmongThoseOffered)
{
    appendRecords(userTable(), {{{"RecordName", "Wheat field"},
                                 {"ModeType", "Tamb"},
                                 {"County", "Birch"},
                                 {"MappingUnt", "MfB: Marlow loam"},
                                 {"CROP_Tamb", "Wheat"},
                                 {"HydroCond", "Poor"}}});
    start();
    table().first();
    EXPECT_THAT(shell.dialogs.messageTexts(), IsEmpty());
    EXPECT_TRUE(shell.control<ui::GroupBox>("HydroGB").visible()) << "wheat offers three conditions";
    EXPECT_TRUE(shell.control<ui::RadioButton>("HCFair").visible());
    EXPECT_TRUE(shell.control<ui::RadioButton>("HCPoor").checked()) << "the saved condition";
    EXPECT_FALSE(shell.control<ui::RadioButton>("HCGood").checked());
}

TEST_F(UserTableRecords, LoadFailuresStopTheLoad)
{
    appendRecords(userTable(), {{{"RecordName", "No type"}, {"ModeType", "Both"}, {"County", "Birch"}},
                                {{"RecordName", "No county"}, {"ModeType", "Tamb"}},
                                {{"RecordName", "Bad county"}, {"ModeType", "Tamb"}, {"County", "Mistwood"}}});
    start();
    table().first();
    EXPECT_THAT(shell.dialogs.messageTexts(),
                ElementsAre("Error in Table!  ModeType is Undefined",
                            "Some or all of the information in the record could not\nbe imported."));
    EXPECT_THAT(changes, IsEmpty());

    shell.dialogs.clearRecords();
    table().next();
    EXPECT_THAT(shell.dialogs.messageTexts(), IsEmpty()) << "a record without a county loads only its type";
    EXPECT_TRUE(shell.control<ui::RadioButton>("InTambrb").checked());

    table().next();
    EXPECT_THAT(shell.dialogs.messageTexts(),
                ElementsAre("Error in County Name\n     Mistwood\nis INVALID",
                            "Some or all of the information in the record could not\nbe imported."));
}

TEST_F(UserTableRecords, FetchingAnUnknownNameLeavesTheCursorAndOpeningLoadsNothing)
{
    const Columns fieldA{{"RecordName", "Field A"},
                         {"ModeType", "Zorv"},
                         {"County", "Birch"},
                         {"MappingUnt", "MfB: Marlow loam"},
                         {"CROP_Zorv", "Corn"}};
    Columns fieldAB = fieldA;
    fieldAB["RecordName"] = "Field AB";
    fieldAB["County"] = "Alder";
    appendRecords(userTable(), {fieldA, fieldAB});
    start();
    EXPECT_THAT(changes, IsEmpty()) << "opening the table loads no record";
    table().last();
    changes.clear();
    shell.dialogs.clearRecords();
    shell.dialogs.answerText("field");
    ASSERT_TRUE(click("GetRecordBtn"));
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Could not find FIELD"));
    EXPECT_EQ(table().recordNumber(), 2u);
    EXPECT_THAT(changes, IsEmpty());

    shell.dialogs.answerText("Field AB");
    ASSERT_TRUE(click("GetRecordBtn"));
    EXPECT_THAT(changes, ElementsAre("county Alder", "map unit MfB: Marlow loam", "crop Corn"))
        << "fetching the current record loads it again";
    EXPECT_EQ(shell.form().record.mapUnit.MUKey, "2001") << "the map unit of the record's county";
}

TEST_F(UserTableRecords, DeletingAsksFirstAndTakesTheNameOffTheList)
{
    appendRecords(userTable(), {{{"RecordName", "Field A"}, {"ModeType", "Zorv"}},
                                {{"RecordName", "Field B"}, {"ModeType", "Tamb"}}});
    start();
    ASSERT_TRUE(click("ZorvBtn")) << "shows the toolbar with the navigator";
    EXPECT_THAT(shell.form().values.RecordNameList, ElementsAre("Field A=Zorv", "Field B=Tamb"));
    shell.dialogs.answer(ui::Answer::No);
    ASSERT_TRUE(click("NavDeleteBtn"));
    EXPECT_EQ(readRecords(userTable()).size(), 2u);

    shell.dialogs.answer(ui::Answer::Yes);
    ASSERT_TRUE(click("NavDeleteBtn"));
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Delete record?", "Delete record?"));
    const auto left = readRecords(userTable());
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].at("RecordName"), "Field B");
    EXPECT_THAT(shell.form().values.RecordNameList, ElementsAre("Field B=Tamb"));
}

TEST_F(UserTableRecords, NewRecordOffersToSaveACompleteEntryAndOtherwiseResets)
{
    start();
    enterBothTypes();
    shell.dialogs.answer(ui::Answer::No);
    ASSERT_TRUE(click("NewRecordBtn"));
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Would you like to SAVE the current record?"));
    EXPECT_EQ(boxText("SoilMapUnitBox"), "");
    EXPECT_EQ(boxText("CropBox"), "");
    EXPECT_TRUE(readRecords(userTable()).empty());

    shell.dialogs.clearRecords();
    ASSERT_TRUE(click("NewRecordBtn"));
    EXPECT_THAT(shell.dialogs.messageTexts(), IsEmpty()) << "without a map unit there is nothing to save";
}

TEST_F(UserTableRecords, OpeningAMissingFileKeepsTheOpenTable)
{
    start();
    shell.dialogs.answerFile(folder.path("UserTables/Missing.dbf"));
    records().OpenBtnClick();
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre(folder.path("UserTables/Missing.dbf") + " does not exist."));
    EXPECT_TRUE(table().isOpen());
    ASSERT_EQ(shell.dialogs.fileDialogs().size(), 1u);
    EXPECT_EQ(shell.dialogs.fileDialogs()[0].request.filter,
              "DBase (*.dbf)|*.dbf|Paradox (*.db)|*.db|ASCII Text (*.txt)|*.txt");
    EXPECT_EQ(shell.dialogs.fileDialogs()[0].request.initialDir, folder.dir());
}

} // namespace
} // namespace verdalis::testing
