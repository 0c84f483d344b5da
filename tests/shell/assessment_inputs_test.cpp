// The calculation type, the resets and CALCULATE on the Main tab.
#include "shell_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace verdalis::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class AssessmentInputs : public ::testing::Test {
protected:
    AssessmentInputs()
    {
        folder.addCompleteProgram();
        shell.start();
        shell.dialogs.clearRecords();
        shell.parts.calls.clear();
    }

    void chooseType(const char* button) { ASSERT_TRUE(shell.control<ui::RadioButton>(button).userClick()); }
    bool shown(std::string_view name) { return shell.control<ui::Control>(name).visible(); }
    ui::ComboBox& combo(std::string_view name) { return shell.control<ui::ComboBox>(name); }
    ui::Edit& edit(std::string_view name) { return shell.control<ui::Edit>(name); }

    ProgramFolder folder{"assessment-inputs"};
    ShellHarness shell{folder.executable()};
};

struct TypeCase {
    const char* name;
    const char* button;
    shell::CalculationType type;
    std::vector<const char*> shown;
    std::vector<const char*> hidden;
};

class CalculationTypes : public AssessmentInputs, public ::testing::WithParamInterface<TypeCase> {};

TEST_P(CalculationTypes, ShapeTheMainTab)
{
    const TypeCase& type = GetParam();
    chooseType(type.button);
    EXPECT_EQ(shell.form().record.calculationType, type.type);
    for (const char* name : type.shown) {
        EXPECT_TRUE(shown(name)) << name << " should show";
    }
    for (const char* name : type.hidden) {
        EXPECT_FALSE(shown(name)) << name << " should be hidden";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, CalculationTypes,
    ::testing::Values(
        TypeCase{"Zorv", "InZorvrb", shell::CalculationType::Zorv,
                 {"GroupBox1", "GroupBox4", "ApplicationGB", "CropInfoGB", "Croplbl", "CropBox", "SlopeED", "AcresBox",
                  "CoverCropBox", "RYEBox", "NAppRatelbl", "NAppRateBox", "CalculateBtn"},
                 {"SoilGB", "HydroGB", "DrainageGB", "Crop2LBL", "CropBox2", "TillageCBNew", "TillageLBL",
                  "NAppRateBtn", "TotalNutrientsLBL", "CompareRecsBtn", "TillageZorvBox"}},
        TypeCase{"Tamb", "InTambrb", shell::CalculationType::Tamb,
                 {"GroupBox1", "GroupBox4", "SoilGB", "ApplicationGB", "CropInfoGB", "Crop2LBL", "CropBox2",
                  "NAppRateBtn", "TotalNutrientsLBL", "CalculateBtn"},
                 {"Croplbl", "CropBox", "TillageZorvlbl", "TillageZorvBox", "SlopeED", "AcresBox", "CoverCropBox",
                  "RYEBox", "NAppRatelbl", "NAppRateBox", "HydroGB", "DrainageGB", "CompareRecsBtn",
                  "SoilTestP1ED"}},
        TypeCase{"ZorvAndTamb", "InZorvTambrb", shell::CalculationType::ZorvAndTamb,
                 {"GroupBox1", "GroupBox4", "SoilGB", "ApplicationGB", "CropInfoGB", "Croplbl", "CropBox", "Crop2LBL",
                  "CropBox2", "SlopeED", "AcresBox", "RYEBox", "NAppRatelbl", "NAppRateBox", "NAppRateBtn",
                  "TotalNutrientsLBL", "CalculateBtn", "CompareRecsBtn"},
                 {"HydroGB", "DrainageGB"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(AssessmentInputs, InputGroupsStayHiddenUntilATypeIsChosen)
{
    for (const char* group : {"GroupBox1", "GroupBox4", "SoilGB", "DrainageGB", "CropInfoGB", "ApplicationGB",
                              "HydroGB", "CalculateBtn"}) {
        EXPECT_FALSE(shown(group)) << group;
    }
}

TEST_F(AssessmentInputs, CropAndNutrientControlsMoveWithTheType)
{
    const int groupWidth = shell.control<ui::GroupBox>("CropInfoGB").width();
    chooseType("InTambrb");
    EXPECT_EQ(combo("CropBox2").left(), 8);
    EXPECT_EQ(shell.control<ui::Label>("Crop2LBL").left(), 8);
    EXPECT_EQ(shell.control<ui::Label>("TillageLBL").left(), 24);
    EXPECT_EQ(combo("TillageCBNew").left(), 6);
    EXPECT_EQ(shell.control<ui::Button>("NAppRateBtn").top(), 64);
    EXPECT_EQ(shell.control<ui::Label>("TotalNutrientsLBL").top(), 96);

    chooseType("InZorvTambrb");
    EXPECT_EQ(combo("CropBox2").left(), groupWidth - combo("CropBox2").width() - 12);
    EXPECT_EQ(shell.control<ui::Label>("Crop2LBL").left(), combo("CropBox2").left());
    const auto& tillageLabel = shell.control<ui::Label>("TillageLBL");
    EXPECT_EQ(tillageLabel.left(), groupWidth - tillageLabel.width() - 137);
    EXPECT_EQ(combo("TillageCBNew").left(), groupWidth - combo("TillageCBNew").width() - 12);
    EXPECT_EQ(shell.control<ui::Button>("NAppRateBtn").top(), 160);
    EXPECT_EQ(shell.control<ui::Label>("TotalNutrientsLBL").top(), 192);
}

TEST_F(AssessmentInputs, ChoicesWithTextAreRunAgainInOrder)
{
    auto& mapUnits = combo("SoilMapUnitBox");
    mapUnits.addItem("AbC: Alder loam");
    mapUnits.setItemIndex(0);
    combo("CropBox").setItemIndex(combo("CropBox").indexOf("Corn"));
    combo("CropBox2").setItemIndex(combo("CropBox2").indexOf("Wheat"));

    chooseType("InZorvTambrb");
    EXPECT_THAT(shell.parts.calls,
                ElementsAre("soilMapUnitBoxChange", "cropBoxChange", "cropBox2Change", "resetBMPInfo"));
    // With a map unit chosen the surface soil test shows.
    EXPECT_TRUE(shown("SoilTestP1ED"));
    EXPECT_TRUE(shown("WVRED1"));
    EXPECT_FALSE(shown("SoilTestP2ED"));

    shell.parts.calls.clear();
    chooseType("InZorvrb");
    EXPECT_THAT(shell.parts.calls, ElementsAre("cropBoxChange", "resetBMPInfo"));
    shell.parts.calls.clear();
    chooseType("InTambrb");
    EXPECT_THAT(shell.parts.calls, ElementsAre("soilMapUnitBoxChange", "cropBox2Change", "resetBMPInfo"));
}

TEST_F(AssessmentInputs, TillageBoxFollowsItsCrop)
{
    auto& tillage = combo("TillageZorvBox");
    shell.parts.onCropChange = [&] { tillage.setItemIndex(0); };
    combo("CropBox").setItemIndex(combo("CropBox").indexOf("Corn"));
    chooseType("InZorvrb");
    EXPECT_TRUE(shown("TillageZorvBox"));
    EXPECT_TRUE(shown("TillageZorvlbl"));

    combo("CropBox").setItemIndex(ui::noItem);
    chooseType("InZorvTambrb");
    EXPECT_FALSE(shown("TillageZorvBox"));
    EXPECT_FALSE(shown("TillageZorvlbl"));
    EXPECT_EQ(tillage.itemIndex(), ui::noItem);
}

TEST_F(AssessmentInputs, TypeChangeKeepsNitrogenTextsAndNutrientsButDropsTheBmps)
{
    chooseType("InZorvTambrb");
    edit("AcresBox").setText("40");
    shell.form().record.bmp.BMPCount = 2;
    shell.form().record.nutrients.count = 3;
    shell.control<ui::Label>("TotalBMPlbl").setCaption("BMP Count = 2");

    chooseType("InTambrb");
    EXPECT_FALSE(shown("AcresBox"));
    EXPECT_EQ(shell.form().record.bmp.BMPCount, 0);
    EXPECT_EQ(shell.control<ui::Label>("TotalBMPlbl").caption(), "BMP Count = 0");
    EXPECT_EQ(shell.form().record.nutrients.count, 3);

    chooseType("InZorvTambrb");
    EXPECT_TRUE(shown("AcresBox"));
    EXPECT_EQ(edit("AcresBox").text(), "40");
}

TEST_F(AssessmentInputs, TambShowsDrainageAndConditionOnlyWhenTheyApply)
{
    shell.control<ui::RadioButton>("HCFair").show();
    shell.control<ui::RadioButton>("RD_No").setChecked(true);
    chooseType("InTambrb");
    EXPECT_TRUE(shown("HydroGB"));
    EXPECT_TRUE(shown("DrainageGB"));
}

TEST_F(AssessmentInputs, TypeChangeResetsTheResults)
{
    chooseType("InZorvrb");
    auto& answer = shell.control<ui::Label>("TotNLostAnsLbl");
    answer.setCaption("12.5");
    answer.show();
    shell.control<ui::Label>("ZorvHeaderlbl").setCaption("Zorv RESULTS (old)");
    shell.form().record.nitrogen.Total_N_Lost = 12.5f;
    shell.control<ui::Label>("OverallPAssessLBL").show();

    chooseType("InZorvTambrb");
    EXPECT_EQ(answer.caption(), "0");
    EXPECT_FALSE(answer.visible());
    EXPECT_EQ(shell.control<ui::Label>("ZorvHeaderlbl").caption(), "Zorv RESULTS");
    EXPECT_EQ(shell.form().record.nitrogen.Total_N_Lost, 0.0f);
    EXPECT_FALSE(shown("OverallPAssessLBL"));
}

TEST_F(AssessmentInputs, CalculateRunsTheMethodsOfTheType)
{
    shell.form().CalculateBtnClick();
    EXPECT_THAT(shell.parts.calls, IsEmpty());

    chooseType("InZorvrb");
    shell.parts.calls.clear();
    shell.form().CalculateBtnClick();
    EXPECT_THAT(shell.parts.calls, ElementsAre("calculateZorv"));
    const auto& report = shell.windows.dialogs.PrintResultsDlg->get<ui::RichText>("RichEdit1");
    ASSERT_EQ(report.lineCount(), 2u);
    EXPECT_EQ(report.line(0), "Verdalis Version: 2.50");
    EXPECT_EQ(report.line(1), "");
    const auto& log = shell.control<ui::RichText>("CalcRichEdit");
    EXPECT_TRUE(log.wordWrap());
    EXPECT_EQ(log.insertionFormat().fontHalfPoints, 20);
    EXPECT_THAT(shell.dialogs.messageTexts(), IsEmpty());
}

TEST_F(AssessmentInputs, CalculateAsksBeforeTambWithoutNutrientSources)
{
    const std::string question =
        "You have not selected any nutrient/waste\nsources.  Are you sure you want to\ncalculate?";
    chooseType("InZorvTambrb");
    shell.parts.calls.clear();
    shell.dialogs.answer(ui::Answer::No);
    shell.form().CalculateBtnClick();
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre(question));
    EXPECT_THAT(shell.parts.calls, IsEmpty());

    shell.dialogs.answer(ui::Answer::Yes);
    shell.form().CalculateBtnClick();
    EXPECT_THAT(shell.parts.calls, ElementsAre("calculateZorv", "calculateTamb"));
    const auto& log = shell.control<ui::RichText>("CalcRichEdit");
    ASSERT_EQ(log.lineCount(), 3u);
    for (size_t line = 0; line < 3; ++line) {
        EXPECT_EQ(log.line(line), " ");
    }
}

TEST_F(AssessmentInputs, CalculateAsksNothingWithSourcesOrInABatch)
{
    chooseType("InTambrb");
    shell.parts.calls.clear();
    shell.batch.BatchRunning = true;
    shell.form().CalculateBtnClick();
    shell.batch.BatchRunning = false;
    shell.form().record.nutrients.count = 1;
    shell.form().CalculateBtnClick();
    EXPECT_THAT(shell.dialogs.messageTexts(), IsEmpty());
    EXPECT_THAT(shell.parts.calls, ElementsAre("calculateTamb", "calculateTamb"));
}

TEST_F(AssessmentInputs, FullResetEmptiesTheRecordButKeepsCountyAndType)
{
    chooseType("InZorvTambrb");
    auto& form = shell.form();
    combo("CountyBox").setItemIndex(0);
    form.record.county.LKey = "7";
    form.record.mapUnit.MUSYM = "AbC";
    form.record.hydrology.HC = "B";
    form.record.expert.RunoffVolumeUser = 3;
    form.record.nutrients.NutrientID = "1,2";
    form.values.Tillage_ID = "2";
    combo("CropBox").setItemIndex(1);
    combo("TillageCBNew").setItemIndex(0);
    combo("TillageCBNew").show();
    edit("AcresBox").setText("40");
    edit("TractNumBox").setText("T-1");
    edit("NAppRateBox").setText("120");
    edit("SoilTestP1ED").setText("33");
    edit("DrainageSpacingED").setText("40");
    shell.control<ui::RadioButton>("RD_Yes").setChecked(true);
    shell.control<ui::RadioButton>("HCGood").show();
    shell.control<ui::RadioButton>("HCGood").setChecked(true);
    shell.control<ui::Label>("TotalBMPlbl").setHint("Total BMP Acres = 3");
    shell.control<ui::RichText>("CalcRichEdit").show();
    folder.writeFile("FertInfoTbl.db", "working");
    shell.batch.DetailedCalculations = true;

    ASSERT_TRUE(shell.control<ui::Button>("ResetBtn").userClick());

    EXPECT_EQ(combo("CroppingYearBox").text(), "2010");
    EXPECT_EQ(combo("CountyBox").itemIndex(), 0);
    EXPECT_EQ(form.record.county.LKey, "7");
    EXPECT_EQ(form.record.calculationType, shell::CalculationType::ZorvAndTamb);
    EXPECT_TRUE(shell.control<ui::RadioButton>("InZorvTambrb").checked());
    EXPECT_EQ(form.record.mapUnit.MUSYM, "");
    EXPECT_EQ(form.record.hydrology.HC, "");
    EXPECT_EQ(form.values.Tillage_ID, "");
    EXPECT_EQ(form.record.expert.RunoffVolumeUser, -1000.0f);
    EXPECT_EQ(form.record.nutrients.NutrientID, "");
    EXPECT_EQ(combo("CropBox").itemIndex(), ui::noItem);
    EXPECT_FALSE(shown("TillageCBNew"));
    for (const char* box : {"AcresBox", "TractNumBox", "NAppRateBox", "SoilTestP1ED", "DrainageSpacingED"}) {
        EXPECT_EQ(edit(box).text(), "") << box;
    }
    EXPECT_FALSE(shell.control<ui::RadioButton>("RD_Yes").checked());
    EXPECT_FALSE(shell.control<ui::RadioButton>("HCGood").checked());
    EXPECT_FALSE(shown("HCGood"));
    EXPECT_FALSE(shown("DrainageGB"));
    EXPECT_FALSE(shown("HydroGB"));
    EXPECT_FALSE(shown("CalcRichEdit"));
    EXPECT_EQ(shell.control<ui::Label>("TotalBMPlbl").hint(), "");
    EXPECT_EQ(shell.control<ui::Label>("TotalNutrientsLBL").caption(), "Nutrient Count = 0");
    EXPECT_FALSE(folder.exists("FertInfoTbl.db"));
    EXPECT_FALSE(shell.batch.DetailedCalculations);
    EXPECT_THAT(shell.dialogs.messageTexts(), IsEmpty());
}

TEST_F(AssessmentInputs, ResetWithFlagsOffKeepsIdentificationAndMapUnit)
{
    combo("SoilMapUnitBox").addItem("AbC: Alder loam");
    combo("SoilMapUnitBox").setItemIndex(0);
    edit("FieldNumBox").setText("F-2");
    shell.batch.BatchRunning = true;
    shell.batch.DetailedCalculations = true;
    shell.form().ResetAllValues(false, false);
    EXPECT_EQ(combo("SoilMapUnitBox").itemIndex(), 0);
    EXPECT_EQ(edit("FieldNumBox").text(), "F-2");
    EXPECT_TRUE(shell.batch.DetailedCalculations);
}

TEST_F(AssessmentInputs, ResetOutsideTheListedYearsLeavesTheYearEmpty)
{
    using namespace std::chrono;
    combo("CroppingYearBox").setItemIndex(3);
    shell.clock.setToday(year{2016} / January / day{1});
    shell.form().ResetAllValues(true, true);
    EXPECT_EQ(combo("CroppingYearBox").itemIndex(), ui::noItem);
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre("Cropping Year is not valid."));
    EXPECT_EQ(combo("CroppingYearBox").items().size(), 36u);
}

// A program started after the last listed year lists every year up to the
// current one, so choosing a county selects this year without a message.
TEST(CroppingYears, ReachTheCurrentYear)
{
    using namespace std::chrono;
    ProgramFolder folder("cropping-years");
    folder.addCompleteProgram();
    ShellHarness shell(folder.executable());
    shell.clock.setToday(year{2026} / December / day{10});
    shell.start();
    auto& years = shell.control<ui::ComboBox>("CroppingYearBox");
    ASSERT_EQ(years.items().size(), 47u);
    EXPECT_EQ(years.items().front(), "1980");
    shell.dialogs.clearRecords();
    shell.form().ResetAllValues(true, true);
    EXPECT_EQ(years.text(), "2026");
    EXPECT_THAT(shell.dialogs.messageTexts(), IsEmpty());
}

TEST_F(AssessmentInputs, CalculationLogKeepsTheFormatOfThePreviousLineForAPlainLine)
{
    shell.form().AddToCalcRichEdit("Total", rtf::styles::bold, colors::red);
    shell.form().AddToCalcRichEdit("next");
    const auto& log = shell.control<ui::RichText>("CalcRichEdit").document();
    ASSERT_EQ(log.paragraphCount(), 2u);
    EXPECT_TRUE(log.paragraphs()[1].runs[0].format.style.bold);
    EXPECT_EQ(log.paragraphs()[1].runs[0].format.color, colors::red);
}

} // namespace
} // namespace verdalis::testing
