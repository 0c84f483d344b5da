// The nitrogen calculation's checks and stops: the error box at the window,
// the account in the report and the batch message during a batch run.
#include "util/number_text.h"
#include "zorv_fixture.h"

#include <gmock/gmock.h>

namespace verdalis::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

struct CheckCase {
    const char* name;
    std::function<void(ZorvFixture&)> spoil;
    std::string interactiveText;
    std::vector<std::string> batchAccount;
    std::string batchMessage;
};

class ZorvChecks : public ZorvFixture, public ::testing::WithParamInterface<CheckCase> {
protected:
    ZorvChecks()
    {
        recordColumns = {{"ProducerID", "REC-P"}, {"TractNum", "REC-T"}, {"County", "Alder"},
                         {"MappingUnt", "XyZ"},  {"Crop_Zorv", "Barley"}};
    }
};

std::string calculationError(std::string_view text)
{
    return "Calculation Error: " + std::string(text);
}

const std::vector<std::string> boxLines{"Producer ID: P-17", "Tract Num:  T4", "County:  Birch"};
const std::vector<std::string> recordLines{"Producer ID: REC-P", "Tract Num:  REC-T", "County:  Alder"};

std::vector<std::string> account(std::vector<std::string> identification, std::vector<std::string> more)
{
    identification.insert(identification.end(), more.begin(), more.end());
    return identification;
}

TEST_P(ZorvChecks, StopWithTheErrorBoxAtTheWindow)
{
    const CheckCase& check = GetParam();
    check.spoil(*this);
    calculate();
    EXPECT_THAT(shell.dialogs.messageTexts(), ElementsAre(check.interactiveText));
    EXPECT_THAT(reportLines(), IsEmpty());
    EXPECT_FALSE(shown("TotNLostAnsLbl"));
    EXPECT_EQ(results().Total_N_Lost, 0);
}

TEST_P(ZorvChecks, WriteTheirAccountAndMessageInABatchRun)
{
    const CheckCase& check = GetParam();
    check.spoil(*this);
    shell.batch.BatchRunning = true;
    calculate();
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
    EXPECT_THAT(reportLines(), ElementsAreArray(check.batchAccount));
    EXPECT_TRUE(shell.batch.BatchMessagePending);
    EXPECT_EQ(shell.batch.BatchMessage, check.batchMessage);
    EXPECT_FALSE(shown("TotNLostAnsLbl"));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ZorvChecks,
    ::testing::Values(
        CheckCase{"Rate", [](ZorvFixture& f) { f.edit("NAppRateBox").setText(""); },
                  "N Application Rate Missing: Not enough information to calculate!",
                  account(boxLines, {"N Application Rate Missing: Not enough information to calculate!"}),
                  calculationError("N Application Rate Missing: Not enough information to calculate!")},
        CheckCase{"HiddenRate", [](ZorvFixture& f) { f.edit("NAppRateBox").hide(); },
                  "N Application Rate Missing: Not enough information to calculate!",
                  account(boxLines, {"N Application Rate Missing: Not enough information to calculate!",
                                     "N App Rate = 150"}),
                  calculationError("N Application Rate Missing: Not enough information to calculate!")},
        CheckCase{"Crop", [](ZorvFixture& f) { f.combo("CropBox").setItemIndex(ui::noItem); },
                  "Crop Missing: Not enough information to calculate!",
                  account(boxLines,
                          {"Crop Missing/Unknown: Not enough information to calculate!", "Crop Name:  Barley"}),
                  calculationError("Crop Missing/Unknown: Not enough information to calculate!")},
        CheckCase{"Acres", [](ZorvFixture& f) { f.edit("AcresBox").setText(""); },
                  "Field Acres Missing: Not enough information to calculate!",
                  account(recordLines, {"Field Acres Missing: Not enough information to calculate!"}),
                  calculationError("Field Acres Missing: Not enough information to calculate!")},
        CheckCase{"County", [](ZorvFixture& f) { f.combo("CountyBox").setItemIndex(ui::noItem); },
                  "County (county) Missing: Not enough information to calculate!",
                  account(recordLines,
                          {"County (county) Missing: Not enough information to calculate!", "County:  Alder"}),
                  calculationError("County (county) Missing: Not enough information to calculate!")},
        CheckCase{"MapUnit", [](ZorvFixture& f) { f.combo("SoilMapUnitBox").setItemIndex(ui::noItem); },
                  "Soil Map Unit (Soil Series) Missing: Not enough information to calculate!",
                  account(recordLines, {"Soil Map Unit Missing/Unknown: Not enough information to calculate!",
                                        "Soil Series:  XyZ"}),
                  calculationError("Soil Map Unit Missing/Unknown: Not enough information to calculate!")},
        CheckCase{"BmpAcres", [](ZorvFixture& f) { f.chooseBmps({{"Controlled Drainage", "3", ""}}, 10.1f); },
                  "Field Acres cannot be smaller than BMP acres!\nField Acres = 10\nBMP Acres = 10.1",
                  account(recordLines, {"Field Acres cannot be smaller than BMP acres!"}),
                  calculationError("Field Acres cannot be smaller than BMP acres!")}),
    [](const auto& info) { return info.param.name; });

using ZorvStops = ZorvFixture;

TEST_F(ZorvStops, BmpAcresEqualToTheFieldAcresPass)
{
    edit("AcresBox").setText("10.1");
    chooseBmps({{"Controlled Drainage", "3", ""}}, 10.1f);
    calculate();
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
    EXPECT_TRUE(shown("TotNLostAnsLbl"));
    // The whole field is treated: half of the 833.25 lbs lost below the
    // surface of 10.1 acres stays.
    EXPECT_NEAR(results().N_Lost_After_BMP, 833.25 * 0.5, 1e-2);
}

TEST_F(ZorvStops, ZeroDatabaseYieldStopsWithItsAccount)
{
    factors.rye = 0;
    calculate();
    EXPECT_THAT(shell.dialogs.messageTexts(),
                ElementsAre("Wheat yielded a RYE result of Zero.\nTherefore no calculations can be made."));
    const std::vector<std::string> account =
        ZorvFixture::reportLines();
    EXPECT_THAT(account, ElementsAre("Producer ID: P-17", "Tract Num:  T4", "County:  Birch",
                                     "Cannot Calculate: NO RYE VALUE for Wheat"));
    EXPECT_EQ(formatOfLine("Cannot Calculate: NO RYE VALUE for Wheat").color, colors::red);
    EXPECT_FALSE(shell.batch.BatchMessagePending);
    EXPECT_FALSE(shown("TotNLostAnsLbl"));

    shell.dialogs.clearRecords();
    shell.batch.BatchRunning = true;
    calculate();
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
    EXPECT_EQ(reportLines().size(), 4u);
    EXPECT_TRUE(shell.batch.BatchMessagePending);
    EXPECT_EQ(shell.batch.BatchMessage, "Calculation Error: Cannot Calculate: NO RYE VALUE for Wheat");
}

TEST_F(ZorvStops, RateThatIsNoNumberEndsWithAConversionError)
{
    edit("NAppRateBox").setText("lots");
    report().ClearRichEdit();
    EXPECT_THROW(calculation->CalculateZorv(), ConversionError);
    EXPECT_THAT(reportLines(), IsEmpty());
}

} // namespace
} // namespace verdalis::testing
