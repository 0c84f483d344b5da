// The nitrogen loss calculation on complete inputs: the report's inputs and
// outputs, the eleven results, the BMP reduction, the labels, the log and
// the chart.
#include "zorv_fixture.h"

#include <gmock/gmock.h>

namespace verdalis::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

using CalculateZorv = ZorvFixture;

std::vector<std::string> workedInputLines()
{
    return {"Zorv Results For:  Birch   6/15/2010   12:00:00 AM",
            "",
            "",
            "                              INPUTS",
            " ",
            "Calendar Year:                2010",
            "County:                       Birch",
            "Producer Identifier:          P-17",
            "Tract Number:                 T4",
            "Field Number:                 F2",
            "Soil Series:                  AbC: Abell loam",
            "Field Acres:                  10",
            "Field Slope:                  2",
            "Crop:                         Wheat : ",
            "Wheat NUE:                    0.55",
            "RYE (Database):               100",
            "NFactor (Database):           1.2",
            "N Application Rate:           150 lbs/Acre",
            "Recommended N App Rate:       120 lbs/Acre"};
}

std::vector<std::string> workedOutputLines()
{
    return {" ",
            " ",
            "                              OUTPUTS",
            " ",
            amountLine("N_Applied (Field Acres) = ", "1,500"),
            amountLine("N_Needed (Field Acres) = ", "1,200"),
            amountLine("Excess_N (Field Acres) = ", "300"),
            amountLine("Excess_N_Surface = ", "15"),
            amountLine("Excess_N_Subsurface = ", "285"),
            amountLine("N_Needed_Field = ", "1,200"),
            amountLine("Utilized_N_Crop = ", "660"),
            amountLine("N_Lost After Crop = ", "540"),
            amountLine("N_Lost Before BMP = ", "825"),
            amountLine("N_Lost_After_Cover_Crops = ", "825")};
}

std::vector<std::string> concat(std::vector<std::string> first, const std::vector<std::string>& second)
{
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST_F(CalculateZorv, WorkedExampleReportsEveryInputAndAmount)
{
    calculate();
    std::vector<std::string> expected = concat(workedInputLines(), workedOutputLines());
    expected.push_back(std::string(51, ' '));
    expected.push_back(amountLine("Total_N_Lost = ", "840"));
    EXPECT_THAT(reportLines(), ElementsAreArray(expected));
    EXPECT_EQ(formatOfLine(std::string(51, ' ')).style, rtf::styles::underline);
    EXPECT_EQ(formatOfLine("Wheat NUE:                    0.55").color, colors::black);
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
    EXPECT_THAT(factors.reductions, IsEmpty());

    const shell::NitrogenResults& n = results();
    const std::vector<float> values{n.N_Applied,          n.Excess_N,         n.Excess_N_Surface,
                                    n.Excess_N_Subsurface, n.N_Needed_Field,  n.Utilized_N_Crop,
                                    n.N_Lost_After_Crop,   n.N_Lost_Before_BMP, n.N_Lost_After_Cover_Crops,
                                    n.N_Lost_After_BMP,    n.Total_N_Lost};
    const std::vector<float> expectedValues{1500, 300, 15, 285, 1200, 660, 540, 825, 825, 825, 840};
    for (size_t index = 0; index < values.size(); ++index) {
        EXPECT_NEAR(values[index], expectedValues[index], 1e-3) << "result " << index;
    }
}

TEST_F(CalculateZorv, WorkedExampleShowsTheTotalLogsItAndChartsTheNitrogen)
{
    calculate();
    EXPECT_TRUE(shown("ZorvHeaderlbl"));
    EXPECT_TRUE(shown("TotNLostLbl"));
    EXPECT_EQ(label("TotNLostAnsLbl"), "840 lbs");
    EXPECT_FALSE(shown("ZorvExtraMsg2"));

    const auto& log = shell.control<ui::RichText>("CalcRichEdit");
    ASSERT_EQ(log.lineCount(), 2u);
    EXPECT_EQ(log.line(0), "Zorv RESULTS");
    EXPECT_EQ(log.line(1), "Total N Lost = 840 lbs");
    EXPECT_EQ(log.document().paragraphs()[0].runs[0].format.style, rtf::styles::boldUnderline);
    EXPECT_EQ(log.document().paragraphs()[1].runs[0].format.style, rtf::styles::bold);

    const auto& chart = shell.control<ui::BarChart>("NitrogenChart");
    EXPECT_TRUE(chart.visible());
    std::vector<std::pair<std::string, double>> bars;
    for (const ui::ChartBar& bar : chart.data().bars) {
        bars.emplace_back(bar.label, std::round(bar.value));
    }
    EXPECT_THAT(bars, ElementsAre(std::pair<std::string, double>{"Applied", 1500}, std::pair{"Used by crop", 660.0},
                                  std::pair{"Lost at surface", 15.0}, std::pair{"Lost below surface", 825.0},
                                  std::pair{"Held by cover crop", 0.0}, std::pair{"Held by BMPs", 0.0},
                                  std::pair{"Total N lost", 840.0}));
    ASSERT_EQ(report().reportCharts().size(), 1u);
    EXPECT_EQ(report().reportCharts()[0], chart.data());
}

TEST_F(CalculateZorv, ControlledDrainageOnFourOfTenAcresHalvesTheirLoss)
{
    chooseBmps({{"Controlled Drainage", "3", ""}}, 4);
    calculate();
    std::vector<std::string> inputs = workedInputLines();
    inputs.push_back("BMPs:                         Controlled Drainage");
    inputs.push_back("BMP Acres Affected:           4");
    std::vector<std::string> expected = concat(inputs, workedOutputLines());
    expected.push_back(amountLine("N_Lost_After_BMP = ", "660"));
    expected.push_back(std::string(51, ' '));
    expected.push_back(amountLine("Total_N_Lost = ", "675"));
    EXPECT_THAT(reportLines(), ElementsAreArray(expected));
    EXPECT_THAT(factors.reductions, ElementsAre("bmp 3 "));
    EXPECT_NEAR(results().N_Lost_After_BMP, 660, 1e-3);
    EXPECT_EQ(label("TotNLostAnsLbl"), "675 lbs");
}

TEST_F(CalculateZorv, OnlyTheFirstNitrogenBmpInListOrderApplies)
{
    chooseBmps({{"A", "5", ""}, {"B", "3", ""}, {"C", "1", "30"}}, 4);
    calculate();
    EXPECT_THAT(factors.reductions, ElementsAre("bmp 3 "));
    const std::vector<std::string> lines = reportLines();
    EXPECT_THAT(std::vector(lines.begin() + 19, lines.begin() + 23),
                ElementsAre("BMPs:                         A", "                              B",
                            "                              C    Width = 30 ft.", "BMP Acres Affected:           4"));
    EXPECT_EQ(label("TotNLostAnsLbl"), "675 lbs");
}

TEST_F(CalculateZorv, CoverCropReducesTheLossBeforeTheBmps)
{
    shell.control<ui::ComboBox>("CoverCropBox").setText("Rye");
    factors.reduction = 0.2f;
    calculate();
    EXPECT_THAT(factors.reductions, ElementsAre("covercrop Rye -1"));
    EXPECT_NEAR(results().N_Lost_After_Cover_Crops, 660, 1e-3);
    EXPECT_NEAR(results().Total_N_Lost, 675, 1e-3);
    const std::vector<std::string> lines = reportLines();
    EXPECT_NE(std::ranges::find(lines, "Cover Crop:                   Rye"), lines.end());
}

TEST_F(CalculateZorv, RateEqualToTheNeedCountsNoExcessAndSaysSo)
{
    edit("NAppRateBox").setText("120");
    calculate();
    const std::vector<std::string> lines = reportLines();
    const auto need = std::ranges::find(lines, amountLine("N_Needed (Field Acres) = ", "1,200"));
    ASSERT_NE(need, lines.end());
    EXPECT_THAT(std::vector(need + 1, need + 7),
                ElementsAre("", "    *** N Applied (1200) <= N Needed (1200)",
                            "    *** Changing N_Needed to N Applied...",
                            "    *** " + amountLine("N Applied = ", "1,200"), "",
                            amountLine("Excess_N (Field Acres) = ", "0")));
    EXPECT_EQ(formatOfLine("    *** Changing N_Needed to N Applied...").style, rtf::styles::italic);
    EXPECT_EQ(formatOfLine("    *** Changing N_Needed to N Applied...").color, colors::red);
    EXPECT_EQ(results().Excess_N, 0);
    EXPECT_TRUE(shown("ZorvExtraMsg2"));
    const auto& log = shell.control<ui::RichText>("CalcRichEdit");
    ASSERT_EQ(log.lineCount(), 4u);
    EXPECT_EQ(log.line(2), " ");
    EXPECT_EQ(log.line(3), "The amount of N added is LESS THAN the crop needs.");
    EXPECT_EQ(log.document().paragraphs()[3].runs[0].format.color, colors::red);
}

TEST_F(CalculateZorv, ProducerRyeOfZeroMakesAllAppliedNitrogenExcess)
{
    edit("RYEBox").setText("0");
    calculate();
    EXPECT_EQ(factors.ryeCalls, 0);
    EXPECT_EQ(results().N_Needed_Field, 0);
    EXPECT_NEAR(results().Excess_N, 1500, 1e-3);
    EXPECT_NEAR(results().Total_N_Lost, 1500, 1e-3);
    const std::vector<std::string> lines = reportLines();
    EXPECT_NE(std::ranges::find(lines, "RYE (Producer):               0"), lines.end());
    EXPECT_NE(std::ranges::find(lines, "Recommended N App Rate:       0 lbs/Acre"), lines.end());
    // 1500 applied against a need of 0: the need is not raised.
    EXPECT_FALSE(shown("ZorvExtraMsg2"));
}

TEST_F(CalculateZorv, AlfalfaTakesNoNitrogenWhileAlfalfaHayIsCalculated)
{
    for (const char* agronomic : {"Alfalfa", "PEANUTS", "alf"}) {
        crop(agronomic);
        calculate();
        EXPECT_THAT(reportLines(), ElementsAre(std::string(agronomic) + " is an Agronomic Crop",
                                               "No Nitrogen Should Be Applied.", "", "", "Total_N_Lost = 0"))
            << agronomic;
        EXPECT_EQ(formatOfLine("No Nitrogen Should Be Applied.").color, colors::red);
        EXPECT_EQ(label("TotNLostAnsLbl"), "0 lbs");
        EXPECT_FALSE(shown("NitrogenChart"));
    }
    crop("Alfalfa Hay");
    setWorkedZorvCropCode("4");
    calculate();
    EXPECT_EQ(label("TotNLostAnsLbl"), "840 lbs");
}

TEST_F(CalculateZorv, MarkedCropIsAPastureUnlessItIsAVegetable)
{
    crop("Pasture**");
    calculate();
    EXPECT_THAT(shell.dialogs.messageTexts(),
                ElementsAre("Zorv was not developed for pastures,\nthus there is no output value."));
    EXPECT_THAT(reportLines(), ElementsAre("Producer ID: P-17", "Tract Num:  T4", "County:  Birch",
                                           "Zorv was not developed for pastures, thus there is no output value."));
    EXPECT_EQ(label("TotNLostAnsLbl"), "N/A");
    EXPECT_TRUE(shown("TotNLostAnsLbl"));
    EXPECT_FALSE(shown("ZorvHeaderlbl"));
    EXPECT_EQ(shell.control<ui::RichText>("CalcRichEdit").line(0), "Total N Lost = N/A");

    shell.dialogs.clearRecords();
    crop("Tomatoes**");
    setWorkedZorvCropCode("5");
    shell.form().record.zorvCrop.IsVegetableCrop = true;
    calculate();
    EXPECT_THAT(shell.dialogs.messages(), IsEmpty());
    const std::vector<std::string> lines = reportLines();
    EXPECT_NE(std::ranges::find(lines, "NFactor (Database):           0"), lines.end());
    EXPECT_NE(std::ranges::find(lines, "Recommended N App Rate:       80 lbs/Acre"), lines.end());
    // 800 of the 1500 applied are needed; half of those the crop uses.
    EXPECT_NEAR(results().Utilized_N_Crop, 400, 1e-3);
    EXPECT_EQ(label("TotNLostAnsLbl"), "1,100 lbs");
}

} // namespace
} // namespace verdalis::testing
