// The realistic yield, N factor and N reduction lookups on small tables.
#include "nitrogen/nitrogen_factor_lookups.h"
#include "program_folder.h"
#include "ui/scripted_dialogs.h"
#include "util/number_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace verdalis::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ui::MessageKind;

// The lookups over the tables of a program folder, with the inputs they read.
struct FactorLookups {
    explicit FactorLookups(const fs::path& programDir) : dirs(ProgramDirs::under(programDir)) {}

    ProgramDirs dirs;
    shell::AssessmentRecord record;
    ui::Edit slope{"SlopeED"};
    ui::ScriptedDialogs dialogs;
    ui::BatchState batch;
    TableLookups lookups{dirs, dialogs, batch};
    nitrogen::NitrogenFactorLookups factors{dirs, record, slope, lookups, dialogs, batch};
};

// Made before the lookups, which are made on its folder.
struct NitrogenFolder {
    ProgramFolder folder{"nitrogen-factors"};
};

class NitrogenFactorTables : public ::testing::Test, protected NitrogenFolder, public FactorLookups {
protected:
    NitrogenFactorTables() : FactorLookups(folder.dir())
    {
        folder.addTable("CropTables", "Crops.db", {"Harlwig_Crop_Name", "RYE_CropName", "NFactor_CropName"},
                        {{"Corn", "RYE_Corn", "NF_Corn"}, {"Blank", "   ", ""}, {"Ghost", "RYE_Ghost", "NF_Ghost"}});
        folder.addTable("UserTables", "Yields_And_N_Factors.db", {"LKey", "MUSYM", "RYE_Corn", "NF_Corn"},
                        {{"VD01", "TwA", "140", "0.9"}, {"VD02", "TwA", "90", "1.1"}});
        folder.addTable("BMPrelated", "BMP_N_Factors.db", {"BMP_ID", "N_MinBufferWidth", "NReduction"},
                        {{"1", "20", "20"},
                         {"1", "30", "25"},
                         {"1", "50", "35"},
                         {"1", "70", "40"},
                         {"1", "100", "45"},
                         {"2", "10", "12"},
                         {"2", "20", "30"},
                         {"2", "50", "48"},
                         {"3", "", "40"}});
        folder.addTable("CropTables", "CoverCropTable.dbf", {"Crop", "NReduction"}, {{"Rye", "45"}, {"Bare", ""}});
        folder.writeFile("TableLocations.ini", "[TableLocations]\r\nBMP_N_Factors.db=\\BMPrelated\r\n"
                                               "CoverCropTable.dbf=\\CropTables\r\n");
        record.county.LKey = "vd01"; // keys match without regard to case
        record.mapUnit.MUSYM = "twa";
        slope.setText("2");
    }

    ui::MessageKind onlyMessageKind() const
    {
        EXPECT_EQ(dialogs.messages().size(), 1u);
        return dialogs.messages().empty() ? MessageKind::Plain : dialogs.messages().front().kind;
    }
};

struct SlopeCase {
    const char* slope;
    std::optional<float> factor;
};

class SlopeFactors : public NitrogenFactorTables, public ::testing::WithParamInterface<SlopeCase> {};

TEST_P(SlopeFactors, ReduceTheRealisticYield)
{
    const SlopeCase& slopeCase = GetParam();
    slope.setText(slopeCase.slope);
    const float yield = factors.getRYE("Corn");
    if (slopeCase.factor) {
        EXPECT_FLOAT_EQ(yield, 140 * *slopeCase.factor);
        EXPECT_THAT(dialogs.messages(), IsEmpty());
    } else {
        EXPECT_EQ(yield, 0);
        EXPECT_THAT(dialogs.messageTexts(), ElementsAre("Invalid Field Slope Entered"));
        EXPECT_EQ(onlyMessageKind(), MessageKind::Error);
    }
    // The N factor is never reduced by the slope.
    dialogs.clearRecords();
    EXPECT_FLOAT_EQ(factors.getNFactor("Corn"), 0.9f);
}

INSTANTIATE_TEST_SUITE_P(
    Slopes, SlopeFactors,
    ::testing::Values(SlopeCase{"0", 1.0f}, SlopeCase{"2", 1.0f}, SlopeCase{"3", 0.98f}, SlopeCase{"4", 0.98f},
                      SlopeCase{"5", 0.95f}, SlopeCase{"6", 0.95f}, SlopeCase{"7", 0.92f}, SlopeCase{"8", 0.92f},
                      SlopeCase{"9", 0.87f}, SlopeCase{"10", 0.87f}, SlopeCase{"11", 0.8f}, SlopeCase{"15", 0.8f},
                      SlopeCase{"16", 0.7f}, SlopeCase{" 45 ", 0.7f}, SlopeCase{"-1", std::nullopt},
                      SlopeCase{"", std::nullopt}, SlopeCase{"2.5", std::nullopt}, SlopeCase{"two", std::nullopt}));

TEST(BufferWidthClasses, TakeTheWidestClassNotWiderThanTheBuffer)
{
    const std::pair<int, std::optional<int>> cases[] = {
        {-5, std::nullopt}, {19, std::nullopt}, {20, 20}, {29, 20}, {30, 30}, {45, 30},  {49, 30},
        {50, 50},           {69, 50},           {70, 70}, {99, 70}, {100, 100}, {150, 100}};
    for (const auto& [width, widthClass] : cases) {
        EXPECT_EQ(nitrogen::bufferWidthClass(width), widthClass) << width << " ft";
    }
}

// What each failing step of the walk gives and says, outside a batch run.
struct DefaultCase {
    const char* name;
    std::string crop;
    std::function<void(ProgramFolder&, shell::AssessmentRecord&)> change;
    float yield;
    MessageKind yieldKind;
    std::string yieldMessage;
    float nFactor;
    MessageKind nFactorKind;
    std::string nFactorMessage;
};

class FactorDefaults : public NitrogenFactorTables, public ::testing::WithParamInterface<DefaultCase> {
protected:
    void SetUp() override
    {
        if (GetParam().change) {
            GetParam().change(folder, record);
        }
    }
};

TEST_P(FactorDefaults, AreReportedOutsideABatchRun)
{
    const DefaultCase& defaults = GetParam();
    EXPECT_EQ(factors.getRYE(defaults.crop), defaults.yield);
    EXPECT_THAT(dialogs.messageTexts(), ElementsAre(defaults.yieldMessage));
    EXPECT_EQ(onlyMessageKind(), defaults.yieldKind);

    dialogs.clearRecords();
    EXPECT_EQ(factors.getNFactor(defaults.crop), defaults.nFactor);
    EXPECT_THAT(dialogs.messageTexts(), ElementsAre(defaults.nFactorMessage));
    EXPECT_EQ(onlyMessageKind(), defaults.nFactorKind);
}

TEST_P(FactorDefaults, AreCollectedForTheYieldAndDroppedForTheNFactorInABatchRun)
{
    const DefaultCase& defaults = GetParam();
    batch.BatchRunning = true;
    EXPECT_EQ(factors.getRYE(defaults.crop), defaults.yield);
    // The missing yields table is the one step the yield walk does not
    // collect either.
    const bool collected = defaults.yieldMessage.rfind("No RYETable", 0) != 0;
    EXPECT_EQ(batch.BatchMessagePending, collected);
    EXPECT_EQ(batch.BatchMessage, collected ? defaults.yieldMessage : "");

    batch.clearMessage();
    EXPECT_EQ(factors.getNFactor(defaults.crop), defaults.nFactor);
    EXPECT_FALSE(batch.BatchMessagePending);
    EXPECT_THAT(dialogs.messages(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Walk, FactorDefaults,
    ::testing::Values(
        DefaultCase{"NoCropTable", "Corn",
                    [](ProgramFolder& folder, shell::AssessmentRecord&) { folder.removeFile("CropTables/Crops.db"); },
                    -1, MessageKind::Error, "Cannot locate Crops.db", -1, MessageKind::Error,
                    "Cannot locate Crops.db"},
        DefaultCase{"CropMissing", "Rice", {}, 0, MessageKind::Error,
                    "This Crop Name: Rice\nDoes Not Exist\nA default value of 0.0 will be used.", 1, MessageKind::Error,
                    "This Crop Name: Rice\nDoes Not Exist\nA default value of 1.0 will be used."},
        DefaultCase{"BlanksOnlyListing", "Blank", {}, 0, MessageKind::Error,
                    "There is no RYE listing for Blank in the RYE_NFactor table.\nA default value of 0.0 will be used.",
                    1, MessageKind::Error,
                    "There is no NFactor listing for Blank in the RYE_NFactor table.\nA default value of 1.0 will be "
                    "used."},
        DefaultCase{"NoYieldsTable", "Corn",
                    [](ProgramFolder& folder, shell::AssessmentRecord&) {
                        folder.removeFile("UserTables/Yields_And_N_Factors.db");
                    },
                    0, MessageKind::Warning, "No RYETable found.\nA Default Value of 0.0 will be used.", 1,
                    MessageKind::Warning, "No NFactor Table found.\nA Default Value of 1.0 will be used."},
        DefaultCase{"MapUnitMissing", "Corn",
                    [](ProgramFolder&, shell::AssessmentRecord& record) { record.mapUnit.MUSYM = "BwA"; }, 0,
                    MessageKind::Warning,
                    "Error Getting RYE.\nMUSYM-->BwA\nLKEY--?vd01\n not found in Yields_And_N_Factors table\nA "
                    "Default Value of 0.0 will be used.",
                    1, MessageKind::Warning,
                    "Error getting NFactor\nMUSYM-->BwA\nLKey-->vd01\n not found in Yields_And_N_Factors table\nA "
                    "Default Value of 1.0 will be used."},
        DefaultCase{"ColumnMissing", "Ghost", {}, 0, MessageKind::Warning,
                    "Could not Find RYE_Ghost in RYE_NFactor table\nA Default Value of 0.0 will be used.", 1,
                    MessageKind::Warning,
                    "Could not Find NF_Ghost in Yields_And_N_Factors table\nA Default Value of 1.0 will be used."}),
    [](const auto& info) { return info.param.name; });

TEST_F(NitrogenFactorTables, BothKeysOfTheMapUnitChooseTheRow)
{
    record.county.LKey = "VD02";
    EXPECT_FLOAT_EQ(factors.getRYE("corn"), 90);
    EXPECT_FLOAT_EQ(factors.getNFactor("corn"), 1.1f);
    EXPECT_THAT(dialogs.messages(), IsEmpty());
}

struct ReductionCase {
    const char* name;
    std::string identifier;
    std::string width;
    std::function<void(shell::BmpValues&)> chosen;
    float reduction;
};

class BmpReductions : public NitrogenFactorTables, public ::testing::WithParamInterface<ReductionCase> {};

TEST_P(BmpReductions, FollowTheIdentifierAndWidthRules)
{
    const ReductionCase& reduction = GetParam();
    if (reduction.chosen) {
        reduction.chosen(record.bmp);
    }
    EXPECT_FLOAT_EQ(factors.getNReduction("BMP", reduction.identifier, reduction.width), reduction.reduction);
    EXPECT_THAT(dialogs.messages(), IsEmpty());
}

void firstBufferOf(shell::BmpValues& bmp, int width)
{
    bmp.BufferID1Present = true;
    bmp.BufferID1Width = width;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, BmpReductions,
    ::testing::Values(
        ReductionCase{"FirstBufferAtItsClass", "1", "45", {}, 0.25f},
        ReductionCase{"FirstBufferTooNarrow", "1", "19", {}, 0},
        ReductionCase{"FirstBufferWiderThanTheWidestClass", "1", "150", {}, 0.45f},
        ReductionCase{"FirstBufferWithAWideSecondOne", "1", "25",
                      [](shell::BmpValues& bmp) {
                          firstBufferOf(bmp, 25);
                          bmp.BufferID2Present = true;
                          bmp.BufferID2Width = 30;
                      },
                      0.48f},
        ReductionCase{"FirstBufferWithANarrowSecondOne", "1", "25",
                      [](shell::BmpValues& bmp) {
                          bmp.BufferID2Present = true;
                          bmp.BufferID2Width = 10;
                      },
                      0.20f},
        ReductionCase{"SecondBufferAlone", "2", "35", {}, 0.30f},
        ReductionCase{"SecondBufferWithAWideFirstOne", "2", "35", [](shell::BmpValues& bmp) { firstBufferOf(bmp, 25); },
                      0.48f},
        ReductionCase{"NarrowSecondBufferAlone", "2", "10", {}, 0},
        ReductionCase{"NarrowSecondBufferWithAFirstOne", "2", "10",
                      [](shell::BmpValues& bmp) { firstBufferOf(bmp, 25); }, 0.12f},
        ReductionCase{"AnyBmpBesideIdentifierThree", "1", "45",
                      [](shell::BmpValues& bmp) { bmp.BMPID3Present = true; }, 0.40f},
        ReductionCase{"OtherIdentifiersAsThree", "7", "-1", {}, 0.40f}),
    [](const auto& info) { return info.param.name; });

TEST_F(NitrogenFactorTables, CoverCropReductionsComeFromTheCoverCropTable)
{
    EXPECT_FLOAT_EQ(factors.getNReduction("CoverCrop", "rye", "-1"), 0.45f);
    EXPECT_THAT(dialogs.messages(), IsEmpty());

    EXPECT_EQ(factors.getNReduction("covercrop", "Clover", "-1"), 0);
    EXPECT_THAT(dialogs.messageTexts(), ElementsAre("Cannot Locate Crop : Clover in Table"));
}

TEST_F(NitrogenFactorTables, AMissingBufferRowCountsAsNoReduction)
{
    EXPECT_EQ(factors.getNReduction("bmp", "2", "35"), 0.30f);
    folder.addTable("BMPrelated", "BMP_N_Factors.db", {"BMP_ID", "N_MinBufferWidth", "NReduction"}, {{"1", "20", "20"}});
    EXPECT_EQ(factors.getNReduction("bmp", "2", "35"), 0);
    EXPECT_THAT(dialogs.messageTexts(),
                ElementsAre("Cannot Locate BMP_ID;N_MinBufferWidth : \n2,20\n in Table"));
}

TEST_F(NitrogenFactorTables, AWidthOrReductionThatIsNoNumberIsAConversionError)
{
    EXPECT_THROW(factors.getNReduction("bmp", "1", "wide"), ConversionError);
    EXPECT_THROW(factors.getNReduction("covercrop", "Bare", "-1"), ConversionError);
    // With a BMP of identifier "3" the width is not read at all.
    record.bmp.BMPID3Present = true;
    EXPECT_FLOAT_EQ(factors.getNReduction("bmp", "1", "wide"), 0.40f);
}

// The bundled tables, when the build has laid out the program folder.
fs::path bundledProgram()
{
    const char* binary = std::getenv("VERDALIS_BINARY_DIR");
    return fs::path(binary != nullptr ? binary : ".") / "Verdalis";
}

TEST(BundledFactors, GiveTheYieldFactorsAndReductionsOfAMapUnit)
{
    if (!fs::exists(bundledProgram() / "UserTables" / "Yields_And_N_Factors.db")) {
        GTEST_SKIP() << "the program folder has not been built";
    }
    FactorLookups bundled(bundledProgram());
    bundled.record.county.LKey = "VD01";
    bundled.record.mapUnit.MUSYM = "TwA";
    bundled.slope.setText("3");
    EXPECT_FLOAT_EQ(bundled.factors.getRYE("Corn"), 140 * 0.98f);
    EXPECT_FLOAT_EQ(bundled.factors.getNFactor("Corn"), 1);
    EXPECT_FLOAT_EQ(bundled.factors.getNReduction("bmp", "1", "45"), 0.25f);
    EXPECT_FLOAT_EQ(bundled.factors.getNReduction("covercrop", "Cereal Rye", "-1"), 0.45f);
    EXPECT_THAT(bundled.dialogs.messages(), IsEmpty());
}

} // namespace
} // namespace verdalis::testing
