// The county, map unit, crop and tillage choices on small tables.
#include "input_harness.h"
#include "input_tables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace verdalis::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class InputChoices : public ::testing::Test {
protected:
    InputChoices()
    {
        addInputTables(folder);
        shell.start();
    }

    // The type, the county and the map unit, without the messages they gave.
    void placeField(const char* type = "InZorvTambrb", std::string_view mapUnit = "TwA: Tidewell loam")
    {
        shell.chooseType(type);
        shell.choose("CountyBox", "Brackwater");
        shell.choose("SoilMapUnitBox", mapUnit);
    }
    ui::ComboBox& combo(std::string_view name) { return shell.control<ui::ComboBox>(name); }
    bool shown(std::string_view name) { return shell.control<ui::Control>(name).visible(); }
    shell::AssessmentRecord& record() { return shell.form().record; }
    std::string& zorvTillageId() { return shell.form().values.ZorvTillageId; }

    ProgramFolder folder{"input-choices"};
    InputHarness shell{folder};
};

TEST_F(InputChoices, ACountyStartsANewAssessmentAndListsItsMapUnits)
{
    shell.chooseType("InZorvTambrb");
    shell.control<ui::Edit>("TractNumBox").setText("T-17");
    combo("CroppingYearBox").setItemIndex(0);
    shell.choose("CountyBox", "Brackwater");

    EXPECT_EQ(shell.control<ui::Edit>("TractNumBox").text(), "");
    EXPECT_EQ(combo("CroppingYearBox").text(), "2010");
    const shell::CountyValues& county = record().county;
    EXPECT_EQ(county.LKey, "VD01");
    EXPECT_EQ(county.AnnPPT, "50.2");
    EXPECT_EQ(county.CN_RO_Slope, "0.0596");
    EXPECT_EQ(county.CN_RO_ExpFact, "0.06");
    EXPECT_THAT(combo("SoilMapUnitBox").items(), ElementsAre("BwA: Brackwater silt: flooded", "DupB: Dup second",
                                                             "FmA: Fenmire muck", "TwA: Tidewell loam"));
    EXPECT_THAT(shell.application.cursorHistory(), ElementsAre(ui::Cursor::Hourglass, ui::Cursor::Default));
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());

    // Another county replaces the list.
    shell.choose("CountyBox", "Fenmoor");
    EXPECT_THAT(combo("SoilMapUnitBox").items(), ElementsAre("DupA: Dup first"));
}

TEST_F(InputChoices, ACountyWithoutLocationKeyListsNoMapUnits)
{
    shell.chooseType("InZorvrb");
    // The lookups find the county in a table that lacks it.
    folder.addTable("CountyTables", "County_Stations.db", {"County", "LKey"}, {{"Brackwater", "VD01"}});
    shell.choose("CountyBox", "Fenmoor");
    EXPECT_EQ(record().county.LKey, "error");
    EXPECT_THAT(combo("SoilMapUnitBox").items(), IsEmpty());
    EXPECT_THAT(shell.dialogs.messageTexts(),
                ElementsAre("Cannot Locate County : Fenmoor in Table", "Cannot Locate LKey : error in Table",
                            "Cannot Locate LKey : error in Table", "Cannot Locate LKey : error in Table"));
}

TEST_F(InputChoices, AMissingSoilTableShowsTheOpenErrorAndRestoresTheCursor)
{
    shell.chooseType("InZorvrb");
    folder.removeFile("CountyTables/Soil_Mapunits.db");
    shell.choose("CountyBox", "Brackwater");
    ASSERT_EQ(shell.dialogs.messages().size(), 1u);
    EXPECT_EQ(shell.dialogs.messages()[0].kind, ui::MessageKind::Error);
    EXPECT_THAT(shell.dialogs.messages()[0].text, HasSubstr("Soil_Mapunits.db"));
    EXPECT_THAT(combo("SoilMapUnitBox").items(), IsEmpty());
    EXPECT_EQ(shell.application.cursor(), ui::Cursor::Default);
}

TEST_F(InputChoices, AMapUnitFillsTheSoilValues)
{
    placeField();
    const shell::MapUnitValues& soil = record().mapUnit;
    EXPECT_EQ(soil.MUKey, "401001");
    EXPECT_EQ(soil.MUSYM, "TwA");
    EXPECT_EQ(record().SMG, "6");
    EXPECT_EQ(soil.DrainageFlag, "1");
    EXPECT_EQ(soil.Percent_Clay, "13");
    EXPECT_EQ(soil.P_Threshold, "75");
    EXPECT_EQ(soil.WV_Factor, "1.25");
    EXPECT_EQ(soil.FePFactor, "0.9");
    EXPECT_EQ(soil.TP_Minus_12, "1.2");
    EXPECT_EQ(soil.T30_Over_TP, "0.45");
    EXPECT_EQ(soil.Surf_SolPEqNo, "2");
    EXPECT_EQ(soil.SubSoil_SolPEqNo, "2");
    EXPECT_EQ(soil.SubsoilSample, "Y");
    EXPECT_EQ(soil.ETSoilGrp, "2");
    EXPECT_EQ(soil.Sur_CurveSlope, "0.0055");
    EXPECT_EQ(soil.Subsur_CurveSlope, "0.0045");
    EXPECT_TRUE(shown("DrainageGB"));
    for (const char* soilTest : {"SoilTestP1lbl", "SoilTestP1ED", "zeroTo8LBL1", "WeightVolumeRatioLBL", "WVRED1",
                                 "ZeroTo8LBL2"}) {
        EXPECT_TRUE(shown(soilTest)) << soilTest;
    }
    EXPECT_TRUE(shell.control<ui::RichText>("CalcRichEdit").wordWrap());
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
    // The county's values stay.
    EXPECT_EQ(record().county.LKey, "VD01");
}

TEST_F(InputChoices, AMapUnitNameIsCutAtTheFirstColonAndAMissingWeightVolumeFactorIsOne)
{
    placeField("InZorvTambrb", "BwA: Brackwater silt: flooded");
    EXPECT_EQ(record().mapUnit.MUKey, "401003");
    EXPECT_EQ(record().mapUnit.WV_Factor, "1");
    // A map unit the drainage question does not apply to hides it.
    EXPECT_FALSE(shown("DrainageGB"));
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
}

TEST_F(InputChoices, TheNitrogenOnlyTypeHidesDrainageAndTheSoilTest)
{
    placeField("InZorvrb");
    EXPECT_EQ(record().mapUnit.MUKey, "401001");
    EXPECT_FALSE(shown("DrainageGB"));
    EXPECT_FALSE(shown("SoilTestP1ED"));
    EXPECT_FALSE(shown("WVRED1"));
}

TEST_F(InputChoices, MissingSoilPropertiesAreShownAlsoInABatchRunAndReadingGoesOn)
{
    shell.batch.BatchRunning = true;
    placeField("InZorvTambrb", "FmA: Fenmire muck");
    EXPECT_THAT(shell.dialogs.messageTexts(),
                ElementsAre("Surf_SolPEqNo (SurfaceSolPID) Has NO VALUE in table: \nSoil_Mapunits.db\nMUKey = "
                            "401004\n\nPlease Make Another Soil Selection.",
                            "EtSoilGrp Has NO VALUE in table: \nSoil_Mapunits.db\nMUKey = 401004\n\nPlease Make "
                            "Another Soil Selection"));
    EXPECT_EQ(record().mapUnit.SubsoilSample, "Y");
    EXPECT_EQ(record().mapUnit.Sur_CurveSlope, "error");
    // The curve slope lookup with an empty key collected its own message.
    EXPECT_EQ(shell.batch.BatchMessage, "Cannot Locate SurfaceSolPID :  in Table");
}

TEST_F(InputChoices, SymbolsThatDifferBetweenNameAndKeyAreShownAndTheChangeGoesOn)
{
    placeField("InZorvTambrb", "DupB: Dup second");
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Error matching MUSYM's"));
    EXPECT_EQ(shell.dialogs.messages()[0].kind, ui::MessageKind::Plain);
    EXPECT_EQ(record().mapUnit.MUSYM, "DupB");
    // The properties are those of the first record of the key.
    EXPECT_EQ(record().SMG, "3");
}

struct MapUnitKeyCase {
    const char* name;
    bool batchRunning;
    std::vector<std::string> shown;
    std::string batchMessage;
};

class MapUnitKeyMissing : public InputChoices, public ::testing::WithParamInterface<MapUnitKeyCase> {};

TEST_P(MapUnitKeyMissing, StopsTheChange)
{
    shell.chooseType("InZorvTambrb");
    shell.choose("CountyBox", "Brackwater");
    // The lookups find the map units in a table that lacks this one.
    folder.addTable("Other", "Soil_Mapunits.db", mapUnitColumns, {});
    folder.writeFile("TableLocations.ini", locations("Other"));
    shell.batch.BatchRunning = GetParam().batchRunning;
    shell.choose("SoilMapUnitBox", "TwA: Tidewell loam");
    EXPECT_EQ(shell.dialogs.messageTexts(), GetParam().shown);
    EXPECT_EQ(shell.batch.BatchMessage, GetParam().batchMessage);
    EXPECT_EQ(record().mapUnit.MUKey, "error");
    EXPECT_EQ(record().mapUnit.SubsoilSample, "");
}

INSTANTIATE_TEST_SUITE_P(
    Modes, MapUnitKeyMissing,
    ::testing::Values(MapUnitKeyCase{"Interactive",
                                     false,
                                     {"Cannot Locate MuName;LKey : \nTidewell loam,VD01\n in Table",
                                      "Error getting MUKey!"},
                                     ""},
                      MapUnitKeyCase{"Batch", true, {}, "Error getting MUKey!"}),
    [](const auto& info) { return info.param.name; });

TEST_F(InputChoices, AKeyMissingFromTheCountySoilTableStopsTheChange)
{
    shell.chooseType("InZorvTambrb");
    shell.choose("CountyBox", "Brackwater");
    folder.addTable("Other", "Soil_Mapunits.db", mapUnitColumns,
                    {{"VD01", "TwA", "Tidewell loam", "999", "6", "1", "", "", "", "", "", "", "2", "2", "Y", "2"}});
    folder.writeFile("TableLocations.ini", locations("Other"));
    shell.choose("SoilMapUnitBox", "TwA: Tidewell loam");
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Cannot Locate MUKey: 999 in Table"));

    shell.dialogs.clearRecords();
    folder.removeFile("CountyTables/Soil_Mapunits.db");
    shell.choose("SoilMapUnitBox", "TwA: Tidewell loam");
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Error Finding Soil_Mapunits.DB"));
    EXPECT_EQ(record().SMG, "");
}

TEST_F(InputChoices, ACropBeforeACountyIsRefused)
{
    shell.chooseType("InZorvTambrb");
    for (const char* box : {"CropBox", "CropBox2"}) {
        shell.dialogs.clearRecords();
        shell.choose(box, "Corn");
        EXPECT_THAT(shell.dialogs.messageTexts(),
                    ElementsAre("Please Select a COUNTY and an MAPPING UNIT\nBefore selecting a CROP"))
            << box;
        EXPECT_EQ(combo(box).itemIndex(), ui::noItem);
        EXPECT_EQ(combo(box).text(), "");
    }
    EXPECT_THAT(shell.phosphorus.calls, IsEmpty());
    EXPECT_EQ(record().zorvCrop.ZorvCropCode, "");
}

TEST_F(InputChoices, AVegetableTakesNoProducerYieldAndAFieldCropGivesItBack)
{
    placeField();
    shell.choose("CropBox", "Sweet Corn");
    auto& producerYield = shell.control<ui::Edit>("RYEBox");
    EXPECT_TRUE(record().zorvCrop.IsVegetableCrop);
    EXPECT_EQ(record().zorvCrop.ZorvCropCode, "31");
    EXPECT_EQ(producerYield.text(), "0");
    EXPECT_FALSE(producerYield.enabled());

    // A crop with a variant is found by the name before "**"; it asks for
    // no tillage.
    shell.choose("CropBox", "Fescue Hay**Pasture");
    EXPECT_FALSE(record().zorvCrop.IsVegetableCrop);
    EXPECT_EQ(record().zorvCrop.ZorvCropCode, "22");
    EXPECT_EQ(producerYield.text(), "");
    EXPECT_TRUE(producerYield.enabled());
    EXPECT_FALSE(shown("TillageZorvBox"));
    EXPECT_FALSE(shown("TillageZorvlbl"));
    EXPECT_EQ(zorvTillageId(), "0");
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
}

TEST_F(InputChoices, ACropTheTableLacksIsShownAlsoInABatchRunAndKeepsTheValues)
{
    placeField();
    shell.choose("CropBox", "Corn");
    shell.batch.BatchRunning = true;
    shell.choose("CropBox", "Ghost**Variant");
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Cannot Locate Zorv Crop: ghost"));
    EXPECT_EQ(record().zorvCrop.ZorvCropCode, "11");
}

TEST_F(InputChoices, ATillageIsChosenWhenTheCropAsksForOne)
{
    placeField();
    zorvTillageId() = "5";
    shell.choose("CropBox", "Corn");
    EXPECT_TRUE(shown("TillageZorvBox"));
    EXPECT_TRUE(shown("TillageZorvlbl"));
    EXPECT_EQ(zorvTillageId(), "5");

    shell.choose("TillageZorvBox", "No-Till");
    EXPECT_EQ(zorvTillageId(), "2");
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());

    // The first record of the tillage table is never listed.
    EXPECT_FALSE(combo("TillageZorvBox").userSelectText("-- Select a Tillage --"));

    shell.choose("TillageZorvBox", "Broken");
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Could Not Find Tillage: Brokenin Table."));
    EXPECT_EQ(zorvTillageId(), "0");
}

TEST_F(InputChoices, ATillageTheTableLacksCountsAsNone)
{
    placeField();
    shell.choose("CropBox", "Corn");
    folder.addTable("UserTables", "Tillage.db", {"Tillage", "Tillage_ID"}, {{"-- Select a Tillage --", "0"}});
    shell.choose("TillageZorvBox", "No-Till");
    EXPECT_THAT(shell.dialogs.messageTexts(),
                ElementsAre("Cannot Locate Tillage : No-Till in Table", "Could Not Find Tillage: No-Tillin Table."));
    EXPECT_EQ(zorvTillageId(), "0");
}

TEST_F(InputChoices, ATillageFlagThatIsNoNumberEndsTheCropChoice)
{
    placeField();
    shell.choose("CropBox", "Odd");
    ASSERT_EQ(shell.dialogs.messages().size(), 1u);
    EXPECT_THAT(shell.dialogs.messages()[0].text, HasSubstr("is not a valid integer value"));
    EXPECT_EQ(record().zorvCrop.ZorvCropCode, "40");
    EXPECT_FALSE(shown("TillageZorvBox"));
}

TEST_F(InputChoices, AMapUnitChangeRunsTheNitrogenTillageOfACropWithoutOneAgain)
{
    placeField("InZorvrb");
    shell.choose("CropBox", "Fescue Hay");
    zorvTillageId() = "7";
    shell.choose("SoilMapUnitBox", "BwA: Brackwater silt: flooded");
    EXPECT_EQ(zorvTillageId(), "0");
    EXPECT_EQ(record().zorvCrop.ZorvCropCode, "22");

    // A chosen tillage is looked up again.
    shell.choose("CropBox", "Corn");
    shell.choose("TillageZorvBox", "Conventional Tillage");
    zorvTillageId() = "7";
    shell.choose("SoilMapUnitBox", "TwA: Tidewell loam");
    EXPECT_EQ(zorvTillageId(), "1");
}

struct PhosphorusTillageCase {
    const char* name;
    std::string tillageFlag;
    bool tillageChosen;
    std::vector<std::string> calls;
};

class PhosphorusTillageAfterMapUnit : public InputChoices,
                                      public ::testing::WithParamInterface<PhosphorusTillageCase> {};

TEST_P(PhosphorusTillageAfterMapUnit, RunsWhenTheCropHasATillageToFollow)
{
    placeField();
    shell.choose("CropBox2", "Corn");
    record().tambCrop.TillageFlag = GetParam().tillageFlag;
    if (GetParam().tillageChosen) {
        combo("TillageCBNew").show();
        shell.choose("TillageCBNew", "No-Till");
    }
    shell.phosphorus.calls.clear();
    shell.choose("SoilMapUnitBox", "BwA: Brackwater silt: flooded");
    EXPECT_EQ(shell.phosphorus.calls, GetParam().calls);
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Flags, PhosphorusTillageAfterMapUnit,
    ::testing::Values(
        // No phosphorus crop lookups ran (a nitrogen-only record): no flag, and
        // no tillage to follow.
        PhosphorusTillageCase{"EmptyFlag", "", false, {}},
        PhosphorusTillageCase{"NoTillage", "0", false, {"TillageCBNewChange"}},
        PhosphorusTillageCase{"TillageNotYetChosen", "1", false, {}},
        PhosphorusTillageCase{"TillageChosen", "1", true, {"TillageCBNewChange"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(InputChoices, TheNitrogenTillageOfAnUnlookedCropIsSkippedToo)
{
    placeField();
    combo("CropBox").setItemIndex(combo("CropBox").indexOf("Corn"));
    ASSERT_EQ(record().zorvCrop.ZorvTillageFlag, "");
    zorvTillageId() = "7";
    shell.choose("SoilMapUnitBox", "BwA: Brackwater silt: flooded");
    EXPECT_EQ(zorvTillageId(), "7");
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
}

TEST_F(InputChoices, ThePhosphorusCropAndTillageAreHandedOver)
{
    placeField();
    shell.choose("CropBox2", "Fescue Hay**Pasture");
    combo("TillageCBNew").show();
    shell.choose("TillageCBNew", "No-Till");
    EXPECT_THAT(shell.phosphorus.calls, ElementsAre("getCropBoxRelatedInfo Fescue Hay**Pasture", "TillageCBNewChange"));
}

TEST_F(InputChoices, ACalculationTypeChangeRunsTheChoicesAgain)
{
    placeField();
    shell.choose("CropBox", "Fescue Hay");
    shell.choose("CropBox2", "Corn");
    record().mapUnit = {};
    record().zorvCrop = {};
    shell.phosphorus.calls.clear();

    shell.chooseType("InTambrb");
    EXPECT_EQ(record().mapUnit.MUKey, "401001");
    EXPECT_EQ(record().zorvCrop.ZorvCropCode, "");
    EXPECT_THAT(shell.phosphorus.calls, ElementsAre("getCropBoxRelatedInfo Corn"));

    shell.chooseType("InZorvrb");
    EXPECT_EQ(record().zorvCrop.ZorvCropCode, "22");
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
}

// The bundled tables, when the build has laid out the program folder.
TEST(BundledInputs, ACountyAMapUnitACropAndATillageGiveNoMessage)
{
    const char* binary = std::getenv("VERDALIS_BINARY_DIR");
    const std::filesystem::path bundled = std::filesystem::path(binary != nullptr ? binary : ".") / "Verdalis";
    if (!std::filesystem::exists(bundled / "CountyTables" / "Soil_Mapunits.db")) {
        GTEST_SKIP() << "the program folder has not been built";
    }
    ProgramFolder folder("bundled-inputs");
    std::filesystem::copy(bundled, folder.dir(), std::filesystem::copy_options::recursive);
    std::filesystem::remove(folder.path("Verdalis"));
    InputHarness shell(folder);
    shell.start();
    shell.chooseType("InZorvTambrb");
    auto& counties = shell.control<ui::ComboBox>("CountyBox");
    auto& mapUnits = shell.control<ui::ComboBox>("SoilMapUnitBox");
    for (int county = 0; county < static_cast<int>(counties.items().size()); ++county) {
        ASSERT_TRUE(counties.userSelect(county));
        ASSERT_FALSE(mapUnits.items().empty()) << counties.text();
        ASSERT_TRUE(mapUnits.userSelect(0));
        EXPECT_NE(shell.form().record.mapUnit.Sur_CurveSlope, "error") << mapUnits.text();
    }
    shell.choose("CropBox", "Corn");
    shell.choose("TillageZorvBox", "No-Till");
    EXPECT_EQ(shell.form().values.ZorvTillageId, "2");
    shell.choose("CropBox", "Tomatoes**Plasticulture");
    EXPECT_TRUE(shell.form().record.zorvCrop.IsVegetableCrop);
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
}

} // namespace
} // namespace verdalis::testing
