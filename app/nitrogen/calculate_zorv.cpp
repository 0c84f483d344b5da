#include "nitrogen/calculate_zorv.h"

#include "nitrogen/nitrogen_flow_chart.h"
#include "nitrogen/zorv_report.h"
#include "nitrogen/zorv_texts.h"
#include "phosphorus/bmp_lines.h"
#include "reports/print_results_dlg.h"
#include "util/number_format.h"
#include "util/number_text.h"
#include "util/short_date.h"
#include "util/text_case.h"
#include "util/text_trim.h"

#include <algorithm>
#include <chrono>

namespace verdalis::nitrogen {

namespace {

// The crop box marks pastures (and vegetables) with this after the name.
inline constexpr std::string_view pastureMarker = "**";
// Crops that take no nitrogen: a crop name found inside one of these words.
inline constexpr std::string_view agronomicCropWords[] = {"alfalfa", "peanuts"};
// Shares of the excess N lost at the surface and below it.
inline constexpr double surfaceShare = 0.05;
inline constexpr double subsurfaceShare = 0.95;
inline constexpr size_t inputColumn = 30;
inline constexpr std::string_view ratePattern = "0.##";
inline constexpr std::string_view nuePattern = "0.00";
// BMPs whose reduction the nitrogen loss uses.
inline constexpr std::string_view nitrogenBmpIds[] = {"1", "2", "3"};

struct InputLine {
    std::string_view label;
    const char* control;
};

// The identification and field lines of the inputs section.
constexpr InputLine fieldInputLines[] = {
    {"Calendar Year:                ", "CroppingYearBox"}, {"County:                       ", "CountyBox"},
    {"Producer Identifier:          ", "ProducerIDBox"},   {"Tract Number:                 ", "TractNumBox"},
    {"Field Number:                 ", "FieldNumBox"},     {"Soil Series:                  ", "SoilMapUnitBox"},
    {"Field Acres:                  ", "AcresBox"},        {"Field Slope:                  ", "SlopeED"},
};
inline constexpr std::string_view cropInputLabel = "Crop:                         ";

std::string cropNameOf(const std::string& cropText)
{
    return cropText.substr(0, cropText.find(pastureMarker));
}

bool isAgronomicCrop(const std::string& cropName)
{
    const std::string name = toLowerAscii(cropName);
    return !name.empty() && std::ranges::any_of(agronomicCropWords, [&](std::string_view word) {
        return word.find(name) != std::string_view::npos;
    });
}

bool isNitrogenBmp(std::string_view id)
{
    return std::ranges::find(nitrogenBmpIds, id) != std::end(nitrogenBmpIds);
}

std::string stamp(const ui::LocalDateTime& now)
{
    using namespace std::chrono;
    const CalendarDate date{static_cast<int>(now.date.year()), static_cast<int>(unsigned(now.date.month())),
                            static_cast<int>(unsigned(now.date.day()))};
    const hh_mm_ss<milliseconds> time(now.timeOfDay);
    const CalendarDateTime moment{date, static_cast<int>(time.hours().count()),
                                  static_cast<int>(time.minutes().count()),
                                  static_cast<int>(time.seconds().count())};
    return ShortDateFormat().format(date) + "   " + formatTimeOfDay(moment);
}

} // namespace

ZorvCalculation::ZorvCalculation(shell::TForm1& form, ZorvServices services, const TableLookups& lookups,
                                 NitrogenFactors& factors, reports::TPrintResultsDlg& report,
                                 RecordColumnReader recordColumn)
    : form_(form), services_(services), lookups_(lookups), factors_(factors), report_(report),
      recordColumn_(std::move(recordColumn))
{
}

std::string ZorvCalculation::text(std::string_view control)
{
    ui::Control& found = form_.control<ui::Control>(control);
    if (auto* box = dynamic_cast<ui::ComboBox*>(&found)) {
        return box->text();
    }
    return form_.control<ui::Edit>(control).text();
}

bool ZorvCalculation::visible(std::string_view control)
{
    return form_.control<ui::Control>(control).visible();
}

void ZorvCalculation::CalculateZorv()
{
    form_.ResetZorvCalculationOutputs();
    form_.control<ui::RichText>("CalcRichEdit").show();

    const std::string cropText = text("CropBox");
    const std::string cropName = cropNameOf(cropText);
    if (cropText.find(pastureMarker) != std::string::npos && !form_.record.zorvCrop.IsVegetableCrop) {
        reportPasture();
        return;
    }
    ZorvReport report(report_);
    if (isAgronomicCrop(cropName)) {
        reportAgronomicCrop(report);
        showTotal();
        return;
    }

    const std::string rateText = text("NAppRateBox");
    const double rate = !rateText.empty() && visible("NAppRateBox") ? textToNumber(rateText) : 0;
    const std::optional<double> acres = checkedAcres();
    if (!acres) {
        return;
    }
    const std::optional<CropFactors> factors = cropFactors(cropName);
    if (!factors) {
        return;
    }
    reportInputs(report, *factors);
    computeLosses(report, *factors, rate, *acres);
    showTotal();
    showChart();
}

void ZorvCalculation::reportPasture()
{
    if (!services_.batch.BatchRunning) {
        services_.dialogs.error(texts::pastureDialog);
    }
    ZorvReport report(report_);
    report.identification(text("ProducerIDBox"), text("TractNumBox"), text("CountyBox"));
    report.line(texts::pastureReport);
    form_.control<ui::Label>("TotNLostLbl").show();
    auto& answer = form_.control<ui::Label>("TotNLostAnsLbl");
    answer.setCaption(std::string(texts::notAvailable));
    answer.show();
    form_.AddToCalcRichEdit(std::string(texts::totalNLost) + std::string(texts::notAvailable), rtf::styles::bold);
}

void ZorvCalculation::reportAgronomicCrop(ZorvReport& report)
{
    report.warning(text("CropBox") + std::string(texts::agronomicCrop) + "\n"
                   + std::string(texts::noNitrogenForAgronomicCrop));
    report.line({});
    report.line({});
    report.line(texts::zeroTotal);
    form_.record.nitrogen.Total_N_Lost = 0;
}

std::optional<double> ZorvCalculation::checkedAcres()
{
    const bool fromBoxes = false;
    const bool fromRecord = true;
    auto detailWhen = [](bool holds, std::string_view label, const std::string& value) {
        return holds ? std::string(label) + value : std::string{};
    };
    auto recordColumn = [this](std::string_view column) { return recordColumn_ ? recordColumn_(column) : ""; };

    const std::string rateText = text("NAppRateBox");
    if (trimText(rateText).empty() || !visible("NAppRateBox")) {
        failCheck(texts::rateMissing, texts::rateMissing, fromBoxes,
                  detailWhen(!rateText.empty(), texts::rateDetail, rateText));
        return std::nullopt;
    }
    if (trimText(text("CropBox")).empty()) {
        const std::string crop = recordColumn("Crop_Zorv");
        failCheck(texts::cropMissing, texts::cropMissingBatch, fromBoxes,
                  detailWhen(!crop.empty(), texts::cropDetail, crop));
        return std::nullopt;
    }
    const std::string acresText = text("AcresBox");
    if (trimText(acresText).empty()) {
        failCheck(texts::acresMissing, texts::acresMissing, fromRecord,
                  detailWhen(!acresText.empty(), texts::acresDetail, acresText));
        return std::nullopt;
    }
    if (text("CountyBox").empty()) {
        const std::string county = recordColumn("County");
        failCheck(texts::countyMissing, texts::countyMissing, fromRecord,
                  detailWhen(!county.empty(), texts::county, county));
        return std::nullopt;
    }
    if (text("SoilMapUnitBox").empty()) {
        const std::string mapUnit = recordColumn("MappingUnt");
        failCheck(texts::mapUnitMissing, texts::mapUnitMissingBatch, fromRecord,
                  detailWhen(!mapUnit.empty(), texts::mapUnitDetail, mapUnit));
        return std::nullopt;
    }
    const double acres = textToNumber(acresText);
    const shell::BmpValues& bmp = form_.record.bmp;
    // BMP acres are held in single precision; the field acres are compared
    // in the same precision, so that equal texts compare equal.
    if (static_cast<float>(acres) < bmp.BMPAcres && bmp.BMPCount >= 1) {
        const std::string interactive = std::string(texts::acresBelowBmpAcres) + "\n" + std::string(texts::fieldAcres)
                                        + shortestDecimal(acres) + "\n" + std::string(texts::bmpAcres)
                                        + shortestSingleDecimal(bmp.BMPAcres);
        failCheck(interactive, texts::acresBelowBmpAcres, fromRecord, {});
        return std::nullopt;
    }
    return acres;
}

void ZorvCalculation::failCheck(std::string_view interactiveText, std::string_view batchText, bool identifyByRecord,
                                const std::string& detail)
{
    if (!services_.batch.BatchRunning) {
        services_.dialogs.error(interactiveText);
        return;
    }
    ZorvReport report(report_);
    if (identifyByRecord && recordColumn_) {
        report.identification(recordColumn_("ProducerID"), recordColumn_("TractNum"), recordColumn_("County"));
    } else {
        report.identification(text("ProducerIDBox"), text("TractNumBox"), text("CountyBox"));
    }
    report.line(batchText);
    if (!detail.empty()) {
        report.line(detail);
    }
    // The account alone would leave the record's result row without values
    // and without an error; the batch run marks the row by this message.
    services_.batch.collect(std::string(texts::calculationError) + std::string(batchText));
}

std::optional<ZorvCalculation::CropFactors> ZorvCalculation::cropFactors(const std::string& cropName)
{
    const bool vegetable = form_.record.zorvCrop.IsVegetableCrop;
    CropFactors factors;
    factors.nFactor = vegetable ? 0.0f : factors_.getNFactor(cropName);
    const std::string producerRye = text("RYEBox");
    if (!producerRye.empty()) {
        // A producer's yield is used as entered, also when it is 0.
        factors.rye = static_cast<float>(textToNumber(producerRye));
    } else {
        factors.rye = factors_.getRYE(cropName);
        if (!(factors.rye > 0)) {
            const std::string cropText = text("CropBox");
            if (!services_.batch.BatchRunning) {
                services_.dialogs.information(cropText + std::string(texts::zeroRyeDialog) + "\n"
                                              + std::string(texts::noCalculationPossible));
            }
            ZorvReport report(report_);
            report.identification(text("ProducerIDBox"), text("TractNumBox"), text("CountyBox"));
            report.warning(std::string(texts::noRyeValue) + cropText);
            services_.batch.collect(std::string(texts::calculationError) + std::string(texts::noRyeValue)
                                    + cropText);
            return std::nullopt;
        }
    }
    if (vegetable) {
        factors.recommendedRate = static_cast<float>(
            textToNumber(lookups_.GetTableValue("Crops.DB", "N_App_Rate", "Harlwig_Crop_Name", cropName)));
    } else {
        factors.recommendedRate = static_cast<float>(double(factors.rye) * factors.nFactor);
    }
    factors.nue = lookups_.GetCropNUE(cropName, form_.record.SMG, text("CountyBox"), form_.values.ZorvTillageId,
                                      form_.record.zorvCrop.ZorvCropCode);
    return factors;
}

void ZorvCalculation::reportInputs(ZorvReport& report, const CropFactors& factors)
{
    report.line(std::string(texts::resultsFor) + text("CountyBox") + "   " + stamp(services_.clock.now()));
    report.line({});
    report.line({});
    report.line(std::string(inputColumn, ' ') + std::string(texts::inputsHeading));
    report.blankLine();
    for (const InputLine& input : fieldInputLines) {
        report.line(std::string(input.label) + text(input.control));
    }
    const std::string cropText = text("CropBox");
    report.line(std::string(cropInputLabel) + cropText + " : " + text("TillageZorvBox"));
    report.line(alignLeft(cropText + std::string(texts::nueSuffix), inputColumn) + formatNumber(nuePattern, factors.nue));
    const std::string producerRye = text("RYEBox");
    if (!producerRye.empty()) {
        report.line(std::string(texts::ryeProducer) + producerRye);
    } else {
        report.line(std::string(texts::ryeDatabase) + formatNumber(ratePattern, factors.rye));
    }
    report.line(std::string(texts::nFactor) + formatNumber(ratePattern, factors.nFactor));
    report.line(std::string(texts::nAppRate) + text("NAppRateBox") + std::string(texts::perAcre));
    report.line(std::string(texts::recommendedRate) + formatNumber(ratePattern, factors.recommendedRate)
                + std::string(texts::perAcre));
    const std::string coverCrop = text("CoverCropBox");
    if (!coverCrop.empty()) {
        report.line(std::string(texts::coverCrop) + coverCrop);
    }
    reportBmpInputs(report);
    report.blankLine();
    report.blankLine();
    report.line(std::string(inputColumn, ' ') + std::string(texts::outputsHeading));
    report.blankLine();
}

void ZorvCalculation::reportBmpInputs(ZorvReport& report)
{
    const shell::BmpValues& bmp = form_.record.bmp;
    if (bmp.BMPCount <= 0) {
        return;
    }
    for (size_t index = 0; index < bmp.BMPList.size(); ++index) {
        std::string line = index == 0 ? std::string(texts::bmps) : std::string(inputColumn, ' ');
        line += phosphorus::bmpLineName(bmp.BMPList[index]);
        const std::string width =
            index < bmp.BMPWidthList.size() ? phosphorus::bmpLineValue(bmp.BMPWidthList[index]) : std::string{};
        if (!width.empty()) {
            line += std::string(texts::bmpWidth) + width + std::string(texts::feet);
        }
        report.line(line);
    }
    report.line(std::string(texts::bmpAcresAffected) + shortestSingleDecimal(bmp.BMPAcres));
}

void ZorvCalculation::computeLosses(ZorvReport& report, const CropFactors& factors, double rate, double acres)
{
    shell::NitrogenResults& n = form_.record.nitrogen;
    n.N_Applied = static_cast<float>(rate * acres);
    report.amount(texts::nAppliedLabel, n.N_Applied);
    float needed = static_cast<float>(double(factors.recommendedRate) * acres);
    report.amount(texts::nNeededLabel, needed);
    if (n.N_Applied > needed) {
        n.Excess_N = static_cast<float>(double(n.N_Applied) - needed);
    } else {
        n.Excess_N = 0;
        report.line({});
        report.warning(std::string(texts::nAppliedBelowNeed) + formatNumber(ratePattern, rate * acres)
                       + std::string(texts::atMostNeed) + formatNumber(ratePattern, needed) + ")");
        report.warning(texts::changingNeed);
        // The crop cannot use more than it was given.
        needed = static_cast<float>(rate * acres);
        report.amountWarning(texts::nAppliedShort, needed);
        report.line({});
        form_.control<ui::Label>("ZorvExtraMsg2").show();
    }
    report.amount(texts::excessLabel, n.Excess_N);
    n.Excess_N_Surface = static_cast<float>(n.Excess_N * surfaceShare);
    report.amount(texts::excessSurfaceLabel, n.Excess_N_Surface);
    n.Excess_N_Subsurface = static_cast<float>(n.Excess_N * subsurfaceShare);
    report.amount(texts::excessSubsurfaceLabel, n.Excess_N_Subsurface);
    n.N_Needed_Field = needed;
    report.amount(texts::neededFieldLabel, n.N_Needed_Field);
    n.Utilized_N_Crop = static_cast<float>(double(needed) * factors.nue);
    report.amount(texts::utilizedLabel, n.Utilized_N_Crop);
    n.N_Lost_After_Crop = static_cast<float>((1.0 - factors.nue) * n.N_Needed_Field);
    report.amount(texts::lostAfterCropLabel, n.N_Lost_After_Crop);
    n.N_Lost_Before_BMP = static_cast<float>(double(n.Excess_N_Subsurface) + n.N_Lost_After_Crop);
    report.amount(texts::lostBeforeBmpLabel, n.N_Lost_Before_BMP);

    const std::string coverCrop = text("CoverCropBox");
    if (!coverCrop.empty()) {
        const float reduction = factors_.getNReduction("covercrop", coverCrop, "-1");
        n.N_Lost_After_Cover_Crops = static_cast<float>((1.0 - reduction) * n.N_Lost_Before_BMP);
    } else {
        n.N_Lost_After_Cover_Crops = n.N_Lost_Before_BMP;
    }
    report.amount(texts::lostAfterCoverLabel, n.N_Lost_After_Cover_Crops);

    const shell::BmpValues& bmp = form_.record.bmp;
    if (bmp.BMPAcres > 0 && bmp.BMPCount > 0) {
        applyFirstNitrogenBmp(report, acres);
    } else {
        n.N_Lost_After_BMP = n.N_Lost_After_Cover_Crops;
    }
    n.Total_N_Lost = static_cast<float>(double(n.N_Lost_After_BMP) + n.Excess_N_Surface);
    report.rule();
    report.amount(texts::totalLabel, n.Total_N_Lost);
}

void ZorvCalculation::applyFirstNitrogenBmp(ZorvReport& report, double acres)
{
    shell::NitrogenResults& n = form_.record.nitrogen;
    const shell::BmpValues& bmp = form_.record.bmp;
    n.N_Lost_After_BMP = 0;
    for (size_t index = 0; index < bmp.BMPList.size(); ++index) {
        const std::string id = phosphorus::bmpLineValue(bmp.BMPList[index]);
        if (!isNitrogenBmp(id)) {
            continue;
        }
        const double treatedShare = bmp.BMPAcres / acres;
        const double untreated = (1.0 - treatedShare) * n.N_Lost_After_Cover_Crops;
        const std::string width =
            index < bmp.BMPWidthList.size() ? phosphorus::bmpLineValue(bmp.BMPWidthList[index]) : std::string{};
        const float reduction = factors_.getNReduction("bmp", id, width);
        const double treated = (1.0 - reduction) * (treatedShare * n.N_Lost_After_Cover_Crops);
        n.N_Lost_After_BMP = static_cast<float>(n.N_Lost_After_BMP + untreated + treated);
        report.amount(texts::lostAfterBmpLabel, n.N_Lost_After_BMP);
        return;
    }
}

void ZorvCalculation::showTotal()
{
    form_.control<ui::Label>("ZorvHeaderlbl").show();
    form_.control<ui::Label>("TotNLostLbl").show();
    auto& answer = form_.control<ui::Label>("TotNLostAnsLbl");
    const std::string total = poundsText(form_.record.nitrogen.Total_N_Lost);
    answer.setCaption(total);
    answer.show();
    form_.AddToCalcRichEdit(texts::zorvResults, rtf::styles::boldUnderline, colors::black);
    form_.AddToCalcRichEdit(std::string(texts::totalNLost) + total, rtf::styles::bold, colors::black);
    auto& lessThanNeeded = form_.control<ui::Label>("ZorvExtraMsg2");
    if (lessThanNeeded.visible()) {
        form_.AddToCalcRichEdit(" ");
        form_.AddToCalcRichEdit(lessThanNeeded.caption(), rtf::styles::bold, colors::red);
    }
}

void ZorvCalculation::showChart()
{
    ui::BarChartData chart = nitrogenFlowChart(form_.record.nitrogen);
    report_.addReportChart(chart);
    auto& view = form_.control<ui::BarChart>(nitrogenChartName);
    view.setData(std::move(chart));
    view.show();
}

} // namespace verdalis::nitrogen
