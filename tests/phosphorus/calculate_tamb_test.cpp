// The phosphorus rating run on the main window's model over the bundled
// tables: its checks, branches, early ends and the arithmetic they pin.
#include "phosphorus/tamb_texts.h"
#include "tamb_fixture.h"
#include "util/number_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace verdalis::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
namespace texts = phosphorus::texts;

class CalculateTamb : public ::testing::Test {
protected:
    void SetUp() override { setUndrainedCorn(bench); }

    // The working line that starts with the text, as a number.
    double detailNumber(std::string_view start)
    {
        const std::optional<double> value = bench.reportNumber(start);
        EXPECT_TRUE(value) << "no line " << start;
        return value.value_or(0);
    }
    void runDetailed()
    {
        bench.batch.DetailedCalculations = true;
        bench.calculate();
    }
    // A source the way the nutrient grid accepts it.
    void addSource(std::string name, float amount, float pct, float lb, float appFactor, std::string method)
    {
        bench.record().nutrients.sources.push_back({std::move(name), amount, pct, lb, appFactor, std::move(method)});
        bench.record().nutrients.count = static_cast<int>(bench.record().nutrients.sources.size());
    }
    void addBmp(const std::string& name, const std::string& id, const std::string& type, const std::string& width)
    {
        shell::BmpValues& bmp = bench.record().bmp;
        bmp.BMPList.push_back(name + "=" + id);
        bmp.BMPTypeList.push_back(name + "=" + type);
        bmp.BMPWidthList.push_back(name + "=" + width);
        bmp.BMPCount = static_cast<int>(bmp.BMPList.size());
        if (!width.empty()) {
            bmp.TotalBufferWidth += textToInteger(width);
        }
    }

    TambBench bench;
};

TEST_F(CalculateTamb, CompleteRunShowsEachComponentAndTheRating)
{
    bench.calculate();

    EXPECT_THAT(bench.dialogs.messages(), IsEmpty());
    // M3P 50 x 1.2 / 1.25 = 48 below the threshold 75: factor 1.54 x 0.002 x 48.
    EXPECT_NEAR(bench.record().PartPValue, 3 * 0.14784 * 0.7 * 0.9, 1e-6);
    EXPECT_EQ(bench.caption("PartPAssessLBL"), "Particulate P  =       7");
    EXPECT_EQ(bench.caption("RunoffPAssessLBL"), "Soluble P      =      19");
    EXPECT_EQ(bench.caption("LeachatePAssessLBL"), "Leachate P     =       0");
    EXPECT_EQ(bench.caption("SourcePAssessLBL"), "Source P       =       0");
    EXPECT_EQ(bench.caption("OverallPAssessLBL"), "TOTAL P RATING =      26 (MEDIUM)");
    for (const char* label : {"TambHeaderlbl", "PartPAssessLBL", "RunoffPAssessLBL", "LeachatePAssessLBL",
                              "SourcePAssessLBL", "LineLBL", "OverallPAssessLBL"}) {
        EXPECT_TRUE(bench.shown(label)) << label;
    }
    EXPECT_FALSE(bench.shown("TambExtraMsg1"));
    EXPECT_THAT(bench.logLines(),
                ElementsAre("Tamb RATING", "Particulate P  =       7", "Soluble P      =      19",
                            "Leachate P     =       0", "Source P       =       0", std::string(25, '_'),
                            "Total P Rating =      26 (Medium)"));
    const std::vector<std::string> report = bench.reportLines();
    ASSERT_GE(report.size(), 4u);
    EXPECT_EQ(report[report.size() - 2], std::string(35, '_'));
    EXPECT_EQ(report.back(), "TOTAL P RATING =      26 (MEDIUM)");
    EXPECT_THAT(report, Contains("PARTICULATE P  =       7"));

    const shell::PhosphorusResults& results = bench.record().phosphorus;
    EXPECT_EQ(results.ParticulateIndex, 7);
    EXPECT_EQ(results.SolubleIndex, 19);
    EXPECT_EQ(results.LeachateIndex, 0);
    EXPECT_EQ(results.SourceIndex, 0);
    EXPECT_EQ(results.TotalPRating, 26);
    EXPECT_EQ(results.RatingWord, "Medium");
    EXPECT_EQ(bench.record().hydrology.CN_ID, "101");
    EXPECT_EQ(bench.record().hydrology.CN_Adj, "89");
    EXPECT_EQ(bench.record().hydrology.ET, "31.5");

    bench.form().ResetTambCalculationOutputs();
    EXPECT_FALSE(bench.record().phosphorus.TotalPRating);
}

TEST_F(CalculateTamb, WorkingLinesOnlyWhenDetailedCalculationsAreOn)
{
    bench.calculate();
    EXPECT_EQ(bench.reportLineStarting("M3P = "), "");
    runDetailed();
    EXPECT_THAT(bench.reportLines(), Contains("M3P = 48"));
    EXPECT_THAT(bench.reportLines(), Contains("Using CN Method To Calculate Runoff Volume..."));
    EXPECT_THAT(bench.reportLines(), Contains("Total P Factor = 0.148"));
    EXPECT_EQ(bench.reportLines().back(), "TOTAL P RATING =      26 (MEDIUM)");
}

struct InputCheck {
    const char* name;
    std::function<void(TambBench&)> change;
    std::string message;
};

class InputChecks : public ::testing::TestWithParam<InputCheck> {};

TEST_P(InputChecks, StopBeforeTheRatingWithTheirMessage)
{
    for (bool batchRun : {false, true}) {
        TambBench bench;
        setDrainedCorn(bench);
        GetParam().change(bench);
        bench.batch.BatchRunning = batchRun;
        bench.calculate();

        EXPECT_EQ(bench.batch.BatchMessage, GetParam().message);
        EXPECT_EQ(bench.batch.BatchMessagePending, batchRun);
        if (batchRun) {
            EXPECT_THAT(bench.dialogs.messages(), IsEmpty());
        } else {
            EXPECT_THAT(bench.dialogs.messageTexts(), ElementsAre(GetParam().message));
        }
        EXPECT_FALSE(bench.shown("TambHeaderlbl"));
        EXPECT_FALSE(bench.shown("PartPAssessLBL"));
        // The input section is written in full all the same.
        const auto lines = bench.reportLines();
        EXPECT_EQ(lines[lines.size() - 2], std::string(30, ' ') + "OUTPUTS");
        EXPECT_THAT(bench.reportLines(), Contains(HasSubstr("Artificial Drainage System:   ")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    CalculateTamb, InputChecks,
    ::testing::Values(
        InputCheck{"Tillage", [](TambBench& b) { b.control<ui::ComboBox>("TillageCBNew").setItemIndex(ui::noItem); },
                   texts::inputCheck("Tillage", texts::hasBeenSelected)},
        InputCheck{"SoilLoss", [](TambBench& b) { b.setEdit("SoilLossED", ""); },
                   texts::inputCheck("Soil Loss (t/ac/yr)", texts::hasBeenEntered)},
        InputCheck{"Distance", [](TambBench& b) { b.control<ui::ComboBox>("RecSlopeDistCB").setItemIndex(ui::noItem); },
                   texts::inputCheck("Receiving Slope Distance", texts::hasBeenSelected)},
        InputCheck{"SurfaceTest", [](TambBench& b) { b.setEdit("SoilTestP1ED", ""); },
                   texts::inputCheck("Soil Test (P-Index,Mehlich 3P) 0\" - 8\"", texts::hasBeenEntered)},
        InputCheck{"SubsoilTest", [](TambBench& b) { b.setEdit("SoilTestP2ED", "", true); },
                   texts::inputCheck("Soil Test (P-Index,Mehlich 3P) 28\" - 32\"", texts::hasBeenEntered)},
        InputCheck{"Spacing", [](TambBench& b) { b.setEdit("DrainageSpacingED", ""); },
                   texts::inputCheck("Drainage Spacing (ft)", texts::hasBeenEntered)},
        InputCheck{"Depth", [](TambBench& b) { b.setEdit("DrainageDepthED", ""); },
                   texts::inputCheck("Drainage Depth (in.)", texts::hasBeenEntered)},
        InputCheck{"DepthOf11", [](TambBench& b) { b.setEdit("DrainageDepthED", "11"); },
                   texts::inputCheck("Drainage Depth (in.)", texts::atLeastTwelveInches)},
        InputCheck{"DepthNotWhole", [](TambBench& b) { b.setEdit("DrainageDepthED", "12.5"); },
                   texts::inputCheck("Drainage Depth (in.)", texts::atLeastTwelveInches)},
        InputCheck{"Condition",
                   [](TambBench& b) {
                       b.control<ui::RadioButton>("RD_No").setChecked(true);
                       b.control<ui::GroupBox>("HydroGB").show();
                   },
                   texts::inputCheck("Hydrologic Condition", texts::hasBeenSelected)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculateTamb, DrainDepthOfTwelveInchesPasses)
{
    setDrainedCorn(bench);
    bench.setEdit("DrainageDepthED", "12");
    bench.calculate();
    EXPECT_THAT(bench.dialogs.messages(), IsEmpty());
    EXPECT_TRUE(bench.shown("OverallPAssessLBL"));
}

TEST_F(CalculateTamb, DrainageModelTakesTheDrainIndexAndTheExpertVolumes)
{
    setDrainedCorn(bench);
    bench.record().mapUnit.TP_Minus_12 = "1";
    bench.setEdit("DrainageSpacingED", "50");
    bench.setEdit("DrainageDepthED", "36");
    runDetailed();
    EXPECT_THAT(bench.reportLines(), Contains("Using DM Method To Calculate Runoff Volume..."));
    EXPECT_EQ(detailNumber("DrainageIndex = "), 8);
    // 10.52 / (1 + 8)^0.5
    EXPECT_NEAR(detailNumber("RunoffVolume = "), 10.52 / 3, 5e-4);
    // (3.26 + 14.52 x 8^0.5) / 9^0.5, with the drainage factor T30_Over_TP.
    EXPECT_NEAR(detailNumber("Leachate Volume = "), (3.26 + 14.52 * std::sqrt(8.0)) / 3, 1e-5);
    EXPECT_EQ(detailNumber("DrainageFactor = "), 0.45);

    bench.record().expert.RunoffVolumeUser = 2;
    bench.record().expert.LeachateVolumeUser = 7;
    bench.record().expert.AnnPPTUser = 40;
    bench.record().expert.RunoffFractionUser = 0.25f;
    runDetailed();
    EXPECT_THAT(bench.reportLines(), Contains("Runoff Volume = User Supplied Value"));
    EXPECT_EQ(detailNumber("RunoffVolume = "), 2);
    EXPECT_THAT(bench.reportLines(), Contains("Leachage Volume = User Supplied Value"));
    EXPECT_EQ(detailNumber("Leachate Volume = "), 7);
    EXPECT_THAT(bench.reportLines(), Contains("AnnPPT = User Supplied Value"));
    EXPECT_EQ(detailNumber("AnnPPT = "), 40);
    EXPECT_EQ(detailNumber("Runoff_Fraction = "), 0.25);
}

TEST_F(CalculateTamb, ExpertValuesStillNeedSpacingAndDepth)
{
    setDrainedCorn(bench);
    bench.record().expert.RunoffVolumeUser = 2;
    bench.setEdit("DrainageSpacingED", "", false);
    bench.setEdit("DrainageDepthED", "", false);
    bench.calculate();
    EXPECT_THAT(bench.dialogs.messageTexts(), ElementsAre(std::string(texts::noDrainageSizes)));
    EXPECT_TRUE(bench.shown("PartPAssessLBL"));
    EXPECT_FALSE(bench.shown("RunoffPAssessLBL"));
    EXPECT_THAT(bench.reportLines(), Contains("Runoff Volume  (User):        2.000 "));
    EXPECT_THAT(bench.reportLines(), Contains("Leachate Volume (User):        -1000.000 "));
}

TEST_F(CalculateTamb, RunoffPowerWithoutARealValueEndsWithItsTerms)
{
    setDrainedCorn(bench);
    bench.record().tambCrop.DMRO_F = "-20";
    bench.calculate();
    const std::string message = std::string(texts::invalidFloatingPointOperation)
                                + "\n\nDMRO_E = 10.52\nDMRO_F = -20\nDMRO_G = 0.5\nDrainageIndex = 4.6875\n"
                                  "RunoffVolume = DMRO_E / [ (DMRO_F + DrainageIndex)^DMRO_G ]";
    EXPECT_THAT(bench.dialogs.messageTexts(), ElementsAre(message));
    EXPECT_TRUE(bench.shown("PartPAssessLBL"));
    EXPECT_FALSE(bench.shown("RunoffPAssessLBL"));

    bench.dialogs.clearRecords();
    bench.batch.BatchRunning = true;
    bench.calculate();
    EXPECT_THAT(bench.dialogs.messages(), IsEmpty());
    EXPECT_TRUE(bench.batch.BatchMessagePending);
    EXPECT_EQ(bench.batch.BatchMessage, std::string(texts::invalidFloatingPointOperation)
                                            + "\r\nDMRO_E = 10.52\r\nDMRO_F = -20\r\nDMRO_G = 0.5\r\n"
                                              "DrainageIndex = 4.6875\r\n"
                                              "RunoffVolume = DMRO_E / [ (DMRO_F + DrainageIndex)^DMRO_G ]");
}

TEST_F(CalculateTamb, LeachatePowerWithoutARealValueIsARunTimeError)
{
    setDrainedCorn(bench);
    bench.record().tambCrop.DMLch_D = "-20";
    EXPECT_THROW(bench.calculate(), ConversionError);
    EXPECT_TRUE(bench.shown("RunoffPAssessLBL"));
    EXPECT_FALSE(bench.shown("LeachatePAssessLBL"));
}

TEST_F(CalculateTamb, ValuesBeyondSinglePrecisionAreAnErrorNotAnOverflow)
{
    bench.setEdit("SoilLossED", "1e300");
    EXPECT_THROW(bench.calculate(), ConversionError);
    bench.setEdit("SoilLossED", "3");
    bench.record().mapUnit.WV_Factor = "0";
    EXPECT_THROW(bench.calculate(), ConversionError);
    EXPECT_FALSE(bench.shown("PartPAssessLBL"));
}

TEST_F(CalculateTamb, DrainageFlagOtherThanZeroOrOneGetsAMessageInsteadOfTheDrainageModel)
{
    bench.record().mapUnit.DrainageFlag = "";
    bench.calculate();
    EXPECT_THAT(bench.dialogs.messageTexts(), ElementsAre(texts::invalidDrainageFlag("")));
    EXPECT_TRUE(bench.shown("PartPAssessLBL"));
    EXPECT_FALSE(bench.shown("RunoffPAssessLBL"));
}

TEST_F(CalculateTamb, DrainedSoilAnsweredNoTakesTheCurveNumber)
{
    setDrainedCorn(bench);
    bench.control<ui::RadioButton>("RD_No").setChecked(true);
    bench.control<ui::GroupBox>("HydroGB").show();
    bench.control<ui::RadioButton>("HCGood").setChecked(true);
    runDetailed();
    EXPECT_THAT(bench.reportLines(), Contains("Using CN Method To Calculate Runoff Volume..."));
    EXPECT_THAT(bench.reportLines(), Contains("Drainage Status = No"));
    EXPECT_EQ(bench.caption("OverallPAssessLBL"), "TOTAL P RATING =      26 (MEDIUM)");
}

TEST_F(CalculateTamb, MissingCurveNumberEndsAfterTheParticulateLine)
{
    bench.record().mapUnit.MUKey = "999999";
    bench.calculate();
    // The lookup reports itself first.
    const auto messages = bench.dialogs.messageTexts();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_THAT(messages[0], HasSubstr("Cannot Locate "));
    EXPECT_EQ(messages[1], texts::cnAdjNotFound("error", "101", "999999"));
    EXPECT_TRUE(bench.shown("PartPAssessLBL"));
    EXPECT_FALSE(bench.shown("RunoffPAssessLBL"));
    EXPECT_FALSE(bench.record().phosphorus.SolubleIndex);
}

TEST_F(CalculateTamb, LeachateVolumeIsNeverNegativeAndAMissingETIs38)
{
    bench.record().county.AnnPPT = "45";
    bench.record().county.CN_RO_Slope = "10";
    bench.record().county.CN_RO_ExpFact = "0";
    bench.record().mapUnit.ETSoilGrp = "9";
    bench.setEdit("SoilTestP2ED", "80");
    runDetailed();
    EXPECT_THAT(bench.dialogs.messageTexts(), Contains(std::string(texts::invalidET)));
    EXPECT_EQ(bench.record().hydrology.ET, "38.0");
    EXPECT_EQ(detailNumber("RunoffVolume = "), 10);
    // 45 - 38 - 10 would be -3.
    EXPECT_THAT(bench.reportLines(), Contains("Leachate Volume = 0"));
    EXPECT_EQ(bench.caption("LeachatePAssessLBL"), "Leachate P     =       0");
    EXPECT_TRUE(bench.shown("OverallPAssessLBL"));
}

TEST_F(CalculateTamb, SubsoilAboveFiftyRatesHighWithItsExplanation)
{
    struct Case {
        const char* subsoilTest;
        const char* soilLoss;
        std::string rating;
        bool explained;
    };
    // With WVRED2 1.2 the subsoil M3P equals the test index.
    for (const Case& c : {Case{"60", "3", "TOTAL P RATING =      36 (HIGH)", true},
                          Case{"60", "60", "TOTAL P RATING =     169 (VERY HIGH)", false},
                          Case{"50", "3", "TOTAL P RATING =      34 (MEDIUM)", false}}) {
        TambBench bench;
        setUndrainedCorn(bench);
        bench.setEdit("SoilTestP2ED", c.subsoilTest);
        bench.setEdit("WVRED2", "1.2");
        bench.setEdit("SoilLossED", c.soilLoss);
        bench.calculate();
        EXPECT_EQ(bench.caption("OverallPAssessLBL"), c.rating) << c.subsoilTest << " " << c.soilLoss;
        EXPECT_EQ(bench.shown("TambExtraMsg1"), c.explained) << c.subsoilTest << " " << c.soilLoss;
        const auto log = bench.logLines();
        EXPECT_EQ(log.back() == texts::highBecauseOfSubsoil, c.explained);
    }
}

TEST_F(CalculateTamb, SubsoilNotSampledLeachesNothing)
{
    bench.setEdit("SoilTestP2ED", "200");
    bench.record().mapUnit.SubsoilSample = "n";
    bench.calculate();
    EXPECT_EQ(bench.caption("LeachatePAssessLBL"), "Leachate P     =       0");
    bench.record().mapUnit.SubsoilSample = "Y";
    bench.calculate();
    EXPECT_EQ(bench.caption("LeachatePAssessLBL"), "Leachate P     =      31");
}

TEST_F(CalculateTamb, BuffersCountOnceForTheirTotalWidth)
{
    runDetailed();
    const double unbuffered = bench.record().PartPValue;

    addBmp("Grass Filter Strip", "1", "Buffer", "30");
    addBmp("Controlled Drainage", "3", "Water Management", "");
    addBmp("Tree/Shrub Buffer", "2", "Buffer", "20");
    runDetailed();
    // Controlled drainage 0.85 once, and the class 50 of the total width 50.
    EXPECT_NEAR(bench.record().PartPValue, unbuffered * 0.85 * 0.55, 1e-6);
    const auto lines = bench.reportLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "BMPName :  Buffer Type"), 1);
    EXPECT_THAT(lines, Contains("     Total Actual Width = 50"));
    EXPECT_THAT(lines, Contains("     Total Width Used = 50"));
    EXPECT_THAT(lines, Contains("BMPOverallFactor = 0.468"));
}

TEST_F(CalculateTamb, NegativeBufferWidthIsSkippedBesideOtherBmpsAndLookedUpAlone)
{
    runDetailed();
    const double unbuffered = bench.record().PartPValue;
    addBmp("Grass Filter Strip", "1", "Buffer", "-1");
    bench.record().bmp.TotalBufferWidth = -1;
    addBmp("Controlled Drainage", "3", "Water Management", "");
    bench.calculate();
    EXPECT_NEAR(bench.record().PartPValue, unbuffered * 0.85, 1e-6);

    bench.record().bmp = {};
    addBmp("Grass Filter Strip", "1", "Buffer", "-1");
    bench.record().bmp.TotalBufferWidth = -1;
    EXPECT_THROW(bench.calculate(), ConversionError);
    EXPECT_THAT(bench.dialogs.messageTexts().back(), HasSubstr("Cannot Locate BMP_Type;P_MinBufferWidth"));
}

TEST_F(CalculateTamb, WaterwaySparesNonSolubleSourcePAndWetlandTreatsRunoff)
{
    addSource("Broiler Litter", 2, shell::nutrientNotEntered, 60, 0.4f, "2");
    runDetailed();
    const double particulate = bench.record().PartPValue;
    const double soluble = detailNumber("Soluble P = ");
    const double source = detailNumber("SourceP = ");

    addBmp("Grassed Waterway", "5", "Erosion Control", "");
    runDetailed();
    EXPECT_NEAR(bench.record().PartPValue, particulate * 0.8, 1e-6);
    EXPECT_NEAR(detailNumber("Soluble P = "), soluble, 1e-3);
    EXPECT_NEAR(detailNumber("SourceP = "), source, 1e-3);
    EXPECT_THAT(bench.reportLines(), Contains("BMPOverallFactor (Source P) = 1"));

    bench.record().bmp = {};
    addBmp("Constructed Wetland", "6", "Water Treatment", "");
    runDetailed();
    EXPECT_NEAR(bench.record().PartPValue, particulate * 0.6, 1e-6);
    EXPECT_NEAR(detailNumber("Soluble P = "), soluble * 0.6, 1e-3);
    EXPECT_THAT(bench.reportLines(), Contains("BMPOverallFactor (Source P) = 0.6"));
    EXPECT_LT(detailNumber("SourceP = "), source);
}

TEST_F(CalculateTamb, FertilizerPercentIsKeptAsAFractionAndLiquidsWeighElevenPoundsAGallon)
{
    addSource("Triple Superphosphate 0-46-0", 100, 46, 0, 1, "6");
    addSource("Liquid Fertilizer 10-34-0", 15, 34, 0, 1, "6");
    runDetailed();
    EXPECT_THAT(bench.reportLines(), Contains("     lb_P2O5 = 46"));
    EXPECT_THAT(bench.reportLines(), Contains("     lb_P2O5 = 56.1"));
    EXPECT_FLOAT_EQ(bench.record().nutrients.sources[0].pctP2O5, 0.46f);
    EXPECT_FLOAT_EQ(bench.record().nutrients.sources[1].pctP2O5, 0.34f);
    // Calculated again, the fractions stay.
    runDetailed();
    EXPECT_THAT(bench.reportLines(), Contains("     lb_P2O5 = 46"));
    EXPECT_FLOAT_EQ(bench.record().nutrients.sources[0].pctP2O5, 0.46f);
    EXPECT_THAT(bench.reportLines(), Contains(HasSubstr("% P2O5:                  46 %")));
}

TEST_F(CalculateTamb, FertilizerWithoutRateOrPoundsStopsTheRating)
{
    addSource("Triple Superphosphate 0-46-0", 100, shell::nutrientNotEntered, shell::nutrientNotEntered, 1, "6");
    bench.batch.BatchRunning = true;
    bench.calculate();
    EXPECT_THAT(bench.dialogs.messageTexts(), ElementsAre(std::string(texts::incompleteSource)));
    EXPECT_TRUE(bench.shown("LeachatePAssessLBL"));
    EXPECT_FALSE(bench.shown("SourcePAssessLBL"));
    EXPECT_FALSE(bench.record().phosphorus.TotalPRating);
}

TEST_F(CalculateTamb, ManureAdjustmentAndApplicationFactor)
{
    addSource("Broiler Litter", 2, shell::nutrientNotEntered, 60, 0.4f, "2");
    runDetailed();
    const double asTable = detailNumber("SourceP = ");
    EXPECT_THAT(bench.reportLines(), Contains("     UserAdjustment = 1"));

    bench.record().nutrients.sources[0].lbP2O5 = 120;
    runDetailed();
    EXPECT_THAT(bench.reportLines(), Contains("     UserAdjustment = 2"));
    EXPECT_NEAR(detailNumber("SourceP = "), 2 * asTable, 2e-3);

    // Surface application (method 6) leaves out the application factor.
    bench.record().nutrients.sources[0] = {"Broiler Litter", 2, shell::nutrientNotEntered, 60, 0.4f, "6"};
    runDetailed();
    EXPECT_NEAR(detailNumber("SourceP = "), asTable / 0.4, 2e-3);
}

TEST_F(CalculateTamb, ReportShowsAManureAnalysisAsEntered)
{
    // 55 lb/ton entered for surface application was raised by (2 - 0.8).
    addSource("Broiler Litter", 2, shell::nutrientNotEntered, 66, 1, "6");
    runDetailed();
    EXPECT_THAT(bench.reportLines(), Contains(std::string(34, ' ') + "Lb P2O5:                 55 lb"));
    EXPECT_THAT(bench.reportLines(), Contains("     (**LB_P2O5_User includes an additional 20% "));
    EXPECT_THAT(bench.reportLines(), Contains("     UserAdjustment = 1.1"));
    EXPECT_THAT(bench.reportLines(),
                Contains(std::string(34, ' ') + "Application Method:      Surface applied, not incorporated"));
}

TEST_F(CalculateTamb, EmptySourceListStillRates)
{
    bench.calculate();
    EXPECT_EQ(bench.caption("SourcePAssessLBL"), "Source P       =       0");
    EXPECT_TRUE(bench.shown("OverallPAssessLBL"));
}

TEST_F(CalculateTamb, BothMethodsLeaveThreeBlankLinesAfterTheNitrogenSection)
{
    bench.record().calculationType = shell::CalculationType::ZorvAndTamb;
    bench.calculate();
    const auto lines = bench.reportLines();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_THAT(std::vector(lines.begin(), lines.begin() + 4),
                ElementsAre(" ", " ", " ", "Tamb Results For:  Brackwater   3/09/2015   2:05:07 PM"));
}

// The sources of the checks below, with a non-soluble share for the
// fertilizer that no bundled fertilizer has.
class SourceTerms : public ::testing::Test {
protected:
    SourceTerms()
    {
        facts.sources["Manure"] = {"Manure", 10, 3, 5, 0.5, 0.2, 1, 1};
        facts.sources["Fertilizer"] = {"Fertilizer", 0, 0, 1, 0.4, 1, 1, 1};
        facts.sources["Ash"] = {"Ash", 0, 3, 5, 0.5, 0.2, 1, 1};
        setUndrainedCorn(bench);
        bench.batch.DetailedCalculations = true;
    }
    double sourceP(const std::vector<shell::NutrientSource>& sources)
    {
        bench.record().nutrients.sources = sources;
        bench.calculate();
        return bench.reportNumber("SourceP = ").value_or(-1);
    }

    FakeSourceFacts facts;
    TambBench bench{&facts};
};

TEST_F(SourceTerms, FertilizerInheritsNothingFromTheSourceBeforeIt)
{
    const shell::NutrientSource manure{"Manure", 2, shell::nutrientNotEntered, 20, 1, "6"};
    const shell::NutrientSource fertilizer{"Fertilizer", 100, 0.2f, shell::nutrientNotEntered, 1, "6"};
    const double manureAlone = sourceP({manure});
    const double fertilizerAlone = sourceP({fertilizer});
    EXPECT_GT(fertilizerAlone, 0);
    EXPECT_NEAR(sourceP({manure, fertilizer}), manureAlone + fertilizerAlone, 2e-3);
    EXPECT_NEAR(sourceP({fertilizer, manure}), manureAlone + fertilizerAlone, 2e-3);
}

TEST_F(SourceTerms, FertilizerGivenInPoundsHasNoNonSolubleTerm)
{
    const shell::NutrientSource pounds{"Fertilizer", shell::nutrientNotEntered, shell::nutrientNotEntered, 20, 1, "6"};
    const shell::NutrientSource rate{"Fertilizer", 100, 0.2f, shell::nutrientNotEntered, 1, "6"};
    // Both carry 20 lb P2O5; only the one with a rate adds its non-soluble P.
    const double fromPounds = sourceP({pounds});
    EXPECT_GT(fromPounds, 0);
    EXPECT_LT(fromPounds, sourceP({rate}));
}

TEST_F(SourceTerms, SourceWithoutTablePoundsAndNoUsableEntryCountsNothing)
{
    EXPECT_EQ(sourceP({{"Ash", 2, shell::nutrientNotEntered, -5, 1, "6"}}), 0);
    EXPECT_THAT(bench.reportLines(),
                Contains("     (The table holds no lb_P2O5 for this source and none was entered: UserAdjustment = 0)"));
    EXPECT_THAT(bench.reportLines(), Contains("     UserAdjustment = 0"));
    // Not entered at all: the table's coefficients as they are.
    EXPECT_GT(sourceP({{"Ash", 2, shell::nutrientNotEntered, shell::nutrientNotEntered, 1, "6"}}), 0);
    EXPECT_THAT(bench.reportLines(), Contains("     UserAdjustment = 1"));
    // An entry where the table has none is the adjustment itself.
    EXPECT_NEAR(sourceP({{"Ash", 2, shell::nutrientNotEntered, 3, 1, "6"}}),
                3 * sourceP({{"Ash", 2, shell::nutrientNotEntered, shell::nutrientNotEntered, 1, "6"}}), 2e-3);
}

} // namespace
} // namespace verdalis::testing
