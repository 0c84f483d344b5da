// The phosphorus crop and tillage lookups, the offered hydrologic
// conditions and the drainage question.
#include "phosphorus_fixture.h"

namespace verdalis::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class Hydrology : public PhosphorusInputs {
protected:
    Hydrology() : PhosphorusInputs("hydrology-inputs") {}

    phosphorus::HydrologyInputs& hydrology() { return *shell.windows.hydrology; }
    void chooseCrop(const std::string& crop)
    {
        auto& box = control<ui::ComboBox>("CropBox2");
        box.setItemIndex(box.indexOf(crop));
        hydrology().getCropBoxRelatedInfo(crop);
    }
    void chooseTillage(const std::string& tillage)
    {
        auto& box = control<ui::ComboBox>("TillageCBNew");
        ASSERT_TRUE(box.userSelect(box.indexOf(tillage)));
    }
    std::vector<std::string> offeredConditions()
    {
        std::vector<std::string> offered;
        for (const char* name : {"HCGood", "HCFair", "HCPoor"}) {
            if (shown(name)) {
                offered.push_back(name);
            }
        }
        return offered;
    }
};

TEST_F(Hydrology, CropNameIsCutAtItsRemarkAndFindsStationCoefficientsUnderTheDecimalKey)
{
    chooseCrop("Corn");
    hydrology().getCropBoxRelatedInfo("CORN**(grain)");
    const shell::TambCropValues& crop = record().tambCrop;
    EXPECT_EQ(crop.CN_CropID, "1");
    EXPECT_EQ(crop.DrnMod_CropID, "12");
    EXPECT_EQ(crop.TillageFlag, "1");
    EXPECT_EQ(crop.DMRO_E, "10.5");
    EXPECT_EQ(crop.DMLch_D, "1.1");
    EXPECT_TRUE(shown("TillageCBNew"));
    EXPECT_TRUE(shown("TillageLBL"));
    EXPECT_THAT(messages(), IsEmpty());
}

TEST_F(Hydrology, LookupFailuresAreReportedAndKeepThePreviousCoefficients)
{
    chooseCrop("Wheat");
    hydrology().getCropBoxRelatedInfo("Rye grass");
    chooseCrop("Odd Crop");
    EXPECT_THAT(messages(),
                ElementsAre("Error! Could not Locate  rye grass  from \nCrops.db\n" +
                                shell.form().values.SupportContactText,
                            "Could not locate combination of\nStaion_ID & DrnModCropID"));
    EXPECT_EQ(record().tambCrop.CN_CropID, "9");
    EXPECT_EQ(record().tambCrop.DMRO_E, "8");
}

TEST_F(Hydrology, ACropWithoutTillageGetsTheShallowDepthAndItsOnlyConditionSelected)
{
    record().mapUnit.DrainageFlag = "0";
    chooseCrop("Hay Mix");
    EXPECT_EQ(shell.form().values.Tillage_ID, "0");
    EXPECT_FALSE(shown("TillageCBNew"));
    EXPECT_EQ(control<ui::Label>("zeroTo8LBL1").caption(), "0\" - 4\"");
    EXPECT_EQ(control<ui::Label>("ZeroTo8LBL2").caption(), "0\" - 4\"");
    EXPECT_THAT(offeredConditions(), ElementsAre("HCFair"));
    EXPECT_TRUE(control<ui::RadioButton>("HCFair").checked());
    EXPECT_EQ(record().hydrology.HC, "fair");
    EXPECT_TRUE(shown("HydroGB"));
}

TEST_F(Hydrology, ATillageOffersEachDistinctConditionOnceAndSelectsNoneOfSeveral)
{
    record().mapUnit.DrainageFlag = "0";
    chooseCrop("Corn");
    chooseTillage("Conventional Tillage");
    EXPECT_EQ(shell.form().values.Tillage_ID, "1");
    EXPECT_EQ(control<ui::Label>("zeroTo8LBL1").caption(), "0\" - 8\"");
    EXPECT_THAT(offeredConditions(), ElementsAre("HCGood", "HCFair"));
    EXPECT_TRUE(record().hydrology.HC.empty());
    EXPECT_TRUE(shown("HydroGB"));

    ASSERT_TRUE(control<ui::RadioButton>("HCGood").userClick());
    EXPECT_EQ(record().hydrology.HC, "good");
    chooseTillage("No Till");
    EXPECT_EQ(control<ui::Label>("zeroTo8LBL1").caption(), "0\" - 4\"");
    EXPECT_THAT(offeredConditions(), ElementsAre("HCPoor"));
    EXPECT_EQ(record().hydrology.HC, "poor");
}

TEST_F(Hydrology, ASavedConditionIsRestoredWhileARecordLoadsButNotOneThatIsNotOfferedInABatch)
{
    record().mapUnit.DrainageFlag = "0";
    chooseCrop("Corn");
    hydrology().setRecordLoading(true, "POOR");
    chooseTillage("Conventional Tillage");
    EXPECT_TRUE(control<ui::RadioButton>("HCPoor").checked()) << "interactive use keeps the saved condition";

    shell.batch.BatchRunning = true;
    chooseTillage("Conventional Tillage");
    EXPECT_FALSE(control<ui::RadioButton>("HCPoor").checked());
    EXPECT_EQ(shell.batch.BatchMessage, "Error in Hydrologic Condition");
    EXPECT_TRUE(shell.batch.BatchMessagePending);

    hydrology().setRecordLoading(true, "Fair");
    chooseTillage("Conventional Tillage");
    EXPECT_TRUE(control<ui::RadioButton>("HCFair").checked());
}

TEST_F(Hydrology, ATillageWithoutAPhosphorusCropIsIgnored)
{
    // A nitrogen-only record carries a tillage but no phosphorus crop.
    record().mapUnit.DrainageFlag = "0";
    auto& tillage = control<ui::ComboBox>("TillageCBNew");
    tillage.setItemIndex(tillage.indexOf("No Till"));
    hydrology().TillageCBNewChange();
    EXPECT_EQ(shell.form().values.Tillage_ID, "0");
    EXPECT_THAT(messages(), IsEmpty());
}

TEST_F(Hydrology, TheDrainageAnswerShowsEitherTheDrainSizesOrTheConditions)
{
    record().mapUnit.DrainageFlag = "1";
    control<ui::GroupBox>("DrainageGB").show();
    chooseCrop("Wheat");
    chooseTillage("Conventional Tillage");
    EXPECT_FALSE(shown("HydroGB")) << "unanswered";

    ASSERT_TRUE(control<ui::RadioButton>("RD_Yes").userClick());
    for (const char* name : {"DSpacingLBL", "DDepthLBL", "DrainageSpacingED", "DrainageDepthED"}) {
        EXPECT_TRUE(shown(name)) << name;
    }
    EXPECT_FALSE(shown("HydroGB"));

    ASSERT_TRUE(control<ui::RadioButton>("RD_No").userClick());
    EXPECT_FALSE(shown("DrainageSpacingED"));
    EXPECT_THAT(offeredConditions(), ElementsAre("HCGood", "HCPoor"));
    EXPECT_TRUE(shown("HydroGB"));

    chooseTillage("No Till");
    EXPECT_THAT(offeredConditions(), IsEmpty());
    EXPECT_FALSE(shown("HydroGB"));
}

TEST_F(Hydrology, AnsweringNoWithoutACropKeepsTheGroupForButtonsLeftVisible)
{
    record().mapUnit.DrainageFlag = "1";
    control<ui::GroupBox>("DrainageGB").show();
    control<ui::RadioButton>("HCFair").show();
    ASSERT_TRUE(control<ui::RadioButton>("RD_No").userClick());
    EXPECT_TRUE(shown("HydroGB"));

    control<ui::RadioButton>("HCFair").hide();
    ASSERT_TRUE(control<ui::RadioButton>("RD_Yes").userClick());
    ASSERT_TRUE(control<ui::RadioButton>("RD_No").userClick());
    EXPECT_FALSE(shown("HydroGB"));
}

} // namespace
} // namespace verdalis::testing
