// The report's header and input section, and the input checks that follow
// it. The input section is written in full before any check, so a run that
// stops still reports what it was given.
#include "phosphorus/calculate_tamb.h"

#include "phosphorus/tamb_arithmetic.h"
#include "phosphorus/tamb_list_lines.h"
#include "phosphorus/tamb_texts.h"
#include "util/number_format.h"
#include "util/number_text.h"
#include "util/short_date.h"
#include "util/text_case.h"

#include <chrono>

namespace verdalis::phosphorus {

namespace {

inline constexpr size_t captionWidth = 30;
inline constexpr size_t sourceCaptionWidth = 25;
inline constexpr size_t leachateUserCaptionWidth = 31;
inline constexpr int minimumDrainDepthInches = 12;
inline constexpr std::string_view headerGap = "   ";
inline constexpr std::string_view widthOpening = "    Width = ";

const std::string continuationIndent(captionWidth, ' ');
const std::string sourceIndent(34, ' ');

std::string captionLine(std::string_view caption, std::string_view value)
{
    return alignLeft(caption, captionWidth) + std::string(value);
}

std::string sourceLine(std::string_view caption, std::string_view value)
{
    return sourceIndent + alignLeft(caption, sourceCaptionWidth) + std::string(value);
}

CalendarDateTime calendarMoment(const ui::LocalDateTime& now)
{
    using namespace std::chrono;
    const hh_mm_ss time{now.timeOfDay};
    return {{static_cast<int>(now.date.year()), static_cast<int>(static_cast<unsigned>(now.date.month())),
             static_cast<int>(static_cast<unsigned>(now.date.day()))},
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count())};
}

} // namespace

void TambCalculation::reportHeader()
{
    const CalendarDateTime now = calendarMoment(services_.clock.now());
    report(std::string(texts::resultsFor) + form_.control<ui::ComboBox>("CountyBox").text() + std::string(headerGap)
           + ShortDateFormat().format(now.date) + std::string(headerGap) + formatTimeOfDay(now));
    report({});
    report({});
    report(continuationIndent + std::string(texts::inputsHeading));
    report(" ");
}

void TambCalculation::reportInputs()
{
    auto comboText = [this](std::string_view name) -> const std::string& {
        return form_.control<ui::ComboBox>(name).text();
    };
    report(captionLine("Calendar Year:", comboText("CroppingYearBox")));
    report(captionLine("County:", comboText("CountyBox")));
    report(captionLine("Producer Identifier:", editText("ProducerIDBox")));
    report(captionLine("Tract Number:", editText("TractNumBox")));
    report(captionLine("Field Number:", editText("FieldNumBox")));
    report(captionLine("Soil Series:", comboText("SoilMapUnitBox")));
    report(captionLine("Crop:", comboText("CropBox2") + " : " + comboText("TillageCBNew")));
    reportBmps();
    reportNutrientSources();
    report(captionLine("Soil Loss:", editText("SoilLossED") + " t/ac/yr"));
    report(captionLine("Receiving Slope Distance", comboText("RecSlopeDistCB") + " ft"));
    reportSoilTests();
    reportDrainageAndCondition();
    report(" ");
    report(" ");
    report(continuationIndent + std::string(texts::outputsHeading));
    report(" ");
    detail("MUKey = " + record().mapUnit.MUKey);
    detail("DrnMod_CropID = " + record().tambCrop.DrnMod_CropID);
    detail("LKey = " + record().county.LKey);
    detail("Tillage_ID = " + form_.values.Tillage_ID);
    detail(" ");
    detail(" ");
}

void TambCalculation::reportBmps()
{
    const shell::BmpValues& bmp = record().bmp;
    for (size_t i = 0; i < bmp.BMPList.size(); ++i) {
        std::string line = (i == 0 ? alignLeft("BMPs:", captionWidth) : continuationIndent)
                           + std::string(lineName(bmp.BMPList[i]));
        const std::string_view width = listValue(bmp.BMPWidthList, i);
        if (!width.empty()) {
            line += std::string(widthOpening) + std::string(width) + " ft.";
        }
        report(line);
    }
}

void TambCalculation::reportNutrientSources()
{
    const auto& sources = record().nutrients.sources;
    for (size_t i = 0; i < sources.size(); ++i) {
        report((i == 0 ? alignLeft("Fertilizers:", captionWidth) : continuationIndent) + sources[i].name);
        reportNutrientSource(sources[i]);
    }
}

void TambCalculation::reportNutrientSource(const shell::NutrientSource& source)
{
    if (source.appliedAmount != shell::nutrientNotEntered) {
        report(sourceLine("Yearly Applied Amount:",
                          formatNumber("0.###", source.appliedAmount) + " "
                              + tableValue("NutrientSources.db", "AppUnits", "Description", source.name)));
    }
    if (source.lbP2O5 != shell::nutrientNotEntered && source.lbP2O5 != 0) {
        // An analysis entered for a manure was raised by the share its
        // application method leaves; the report shows what was entered.
        double shown = source.lbP2O5;
        if (equalsIgnoringCase(sources_.GetFertilizerType(source.name), "Manure")
            && toSingle(sources_.GetFertilizerP205(source.name)) != source.lbP2O5) {
            shown /= 2 - sources_.GetFertilizerP205Factor(source.name, textToInteger(source.appMethodId));
        }
        report(sourceLine("Lb P2O5:", formatNumber("0.###", shown) + " lb"));
    }
    if (source.pctP2O5 != shell::nutrientNotEntered) {
        const double percent = source.pctP2O5 < 1 ? source.pctP2O5 * 100.0 : source.pctP2O5;
        report(sourceLine("% P2O5:", formatNumber("0.###", percent) + " %"));
    }
    report(sourceLine("Application Method:", tableValue("AppMethod.db", "AppMethod", "AppID", source.appMethodId)));
}

void TambCalculation::reportSoilTests()
{
    auto factorLine = [this](std::string_view factorEdit) {
        if (shownAndFilled(factorEdit)) {
            report(captionLine("   WV_Factor (USER) ", editText(factorEdit)));
        } else {
            report(captionLine("   WV_Factor (DATABASE) ", record().mapUnit.WV_Factor));
        }
    };
    report(captionLine("Soil Test " + form_.control<ui::Label>("zeroTo8LBL1").caption(), editText("SoilTestP1ED")));
    factorLine("WVRED1");
    if (visible("SoilTestP2ED")) {
        report(captionLine("Soil Test " + form_.control<ui::Label>("twentyeightTo32LBL1").caption(),
                           editText("SoilTestP2ED")));
        factorLine("WVRED2");
    }
}

void TambCalculation::reportDrainageAndCondition()
{
    if (visible("DrainageGB")) {
        if (checked("RD_Yes")) {
            report("Artificial Drainage System:   YES");
            if (visible("DrainageSpacingED") && visible("DrainageDepthED")) {
                report(captionLine("Drainage Spacing:", editText("DrainageSpacingED") + " ft"));
                report(captionLine("Drainage Depth:", editText("DrainageDepthED") + " in"));
            } else {
                const shell::ExpertValues& expert = record().expert;
                report(captionLine("Runoff Volume  (User):", formatNumber("0.000", expert.RunoffVolumeUser) + " "));
                report(alignLeft("Leachate Volume (User):", leachateUserCaptionWidth)
                       + formatNumber("0.000", expert.LeachateVolumeUser) + " ");
            }
        } else if (checked("RD_No")) {
            report("Artificial Drainage System:   NO");
        }
    }
    if (visible("HydroGB")) {
        for (auto [button, line] : {std::pair{"HCGood", "Hydrologic Condition:         GOOD"},
                                    std::pair{"HCFair", "Hydrologic Condition:         FAIR"},
                                    std::pair{"HCPoor", "Hydrologic Condition:         POOR"}}) {
            if (checked(button)) {
                report(line);
            }
        }
    }
}

void TambCalculation::checkInputs()
{
    if (visible("TillageCBNew") && form_.control<ui::ComboBox>("TillageCBNew").text().empty()) {
        failInputCheck(texts::inputCheck("Tillage", texts::hasBeenSelected));
    }
    if (editText("SoilLossED").empty()) {
        failInputCheck(texts::inputCheck("Soil Loss (t/ac/yr)", texts::hasBeenEntered));
    }
    if (form_.control<ui::ComboBox>("RecSlopeDistCB").text().empty()) {
        failInputCheck(texts::inputCheck("Receiving Slope Distance", texts::hasBeenSelected));
    }
    if (editText("SoilTestP1ED").empty()) {
        failInputCheck(texts::inputCheck("Soil Test (P-Index,Mehlich 3P) 0\" - 8\"", texts::hasBeenEntered));
    }
    if (shownAndEmpty("SoilTestP2ED")) {
        failInputCheck(texts::inputCheck("Soil Test (P-Index,Mehlich 3P) 28\" - 32\"", texts::hasBeenEntered));
    }
    if (visible("DrainageGB") && checked("RD_Yes")) {
        if (shownAndEmpty("DrainageSpacingED")) {
            failInputCheck(texts::inputCheck("Drainage Spacing (ft)", texts::hasBeenEntered));
        }
        if (shownAndEmpty("DrainageDepthED")) {
            failInputCheck(texts::inputCheck("Drainage Depth (in.)", texts::hasBeenEntered));
        }
        int32_t depth = 0;
        if (!tryTextToInteger(editText("DrainageDepthED"), depth)) {
            depth = -1;
        }
        if (visible("DrainageDepthED") && depth < minimumDrainDepthInches) {
            failInputCheck(texts::inputCheck("Drainage Depth (in.)", texts::atLeastTwelveInches));
        }
    }
    if (visible("HydroGB") && !checked("HCGood") && !checked("HCFair") && !checked("HCPoor")) {
        failInputCheck(texts::inputCheck("Hydrologic Condition", texts::hasBeenSelected));
    }
}

} // namespace verdalis::phosphorus
