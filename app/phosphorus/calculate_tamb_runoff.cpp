// Particulate and soluble runoff P: the surface soil test, the total P
// factor, the BMP factors, the runoff volume by the curve number method or
// the drainage model, and the two components.
#include "phosphorus/calculate_tamb.h"

#include "phosphorus/tamb_arithmetic.h"
#include "phosphorus/tamb_list_lines.h"
#include "phosphorus/tamb_texts.h"
#include "util/number_format.h"
#include "util/number_text.h"

#include <cmath>

namespace verdalis::phosphorus {

namespace {

inline constexpr std::string_view bmpFactorTable = "BMP_P_Factors.db";
inline constexpr std::string_view deliveryColumn = "P_Deliv_Frac";
inline constexpr std::string_view curveNumberTable = "Curve_Number.db";
// The two buffer BMPs, whose common factor comes from the total width; the
// waterway that leaves the non-soluble source P alone; the wetland that
// also treats the runoff.
inline constexpr std::string_view grassFilterStripId = "1";
inline constexpr std::string_view treeShrubBufferId = "2";
inline constexpr std::string_view grassedWaterwayId = "5";
inline constexpr std::string_view constructedWetlandId = "6";

} // namespace

void TambCalculation::surfaceSoilTest(Run& run)
{
    const std::string& index = editText("SoilTestP1ED");
    const std::string factor = weightVolumeFactor("WVRED1");
    run.m3p = toSingle(textToNumber(index) * mehlichPerIndex / textToNumber(factor));
    detail("PI_Surface = " + index);
    detail((editText("WVRED1").empty() ? "WV_Factor (DATABASE) = " : "WV_Factor (USER) = ") + factor);
    detail("M3P = (PI_Surface * 1.2) / WV_Factor");
    detail("M3P = " + formatNumber("0.###", run.m3p));

    const shell::MapUnitValues& unit = record().mapUnit;
    run.totalPFactor = totalPFactor(run.m3p, textToNumber(unit.Percent_Clay), textToNumber(unit.P_Threshold));
    detail("% Clay = " + unit.Percent_Clay);
    detail("P_Threshold = " + unit.P_Threshold);
    detail("Total P Factor = " + formatNumber("0.###", run.totalPFactor));
}

void TambCalculation::bmpFactors(Run& run)
{
    const shell::BmpValues& bmp = record().bmp;
    if (bmp.BMPCount > 0) {
        detail("Number of BMPs = " + std::to_string(bmp.BMPCount));
    }
    bool bufferSelected = false;
    for (size_t i = 0; i < bmp.BMPList.size(); ++i) {
        const std::string id(lineValue(bmp.BMPList[i]));
        // The buffers' common factor follows from their total width.
        std::string factor = "1";
        if (id == grassFilterStripId || id == treeShrubBufferId) {
            bufferSelected = true;
        } else {
            factor = tableValue(bmpFactorTable, deliveryColumn, "BMP_ID", id);
            if (id == constructedWetlandId) {
                run.runoffFactor = textToNumber(factor);
            }
            detail("BMP Name :  " + std::string(lineName(bmp.BMPList[i])));
            detail("     ID :  " + id);
            detail("     Type :  " + std::string(listValue(bmp.BMPTypeList, i)));
            detail("     P_Deliv_Frac = " + factor);
        }
        const double value = textToNumber(factor);
        if (id != grassedWaterwayId) {
            run.sourceFactor = toSingle(run.sourceFactor * value);
        }
        run.overallFactor *= value;
    }
    if (bufferSelected) {
        bufferFactor(run);
    }
    detail("BMPOverallFactor = " + formatNumber("0.###", run.overallFactor));
    detail("BMPOverallFactor (Source P) = " + formatNumber("0.###", run.sourceFactor));
}

void TambCalculation::bufferFactor(Run& run)
{
    const int width = record().bmp.TotalBufferWidth;
    const int widthClass = bufferWidthClass(width);
    // With other BMPs beside it, a buffer of a negative width from a saved
    // record counts for nothing; alone, its class is looked up as it is.
    if (record().bmp.BMPCount > 1 && !isListedBufferClass(widthClass)) {
        return;
    }
    const std::string factor =
        tableValue(bmpFactorTable, deliveryColumn, "BMP_Type", "Buffer", "P_MinBufferWidth", std::to_string(widthClass));
    const double value = textToNumber(factor);
    run.overallFactor *= value;
    run.sourceFactor = toSingle(run.sourceFactor * value);
    detail("BMPName :  Buffer Type");
    detail("     Type :  Buffer");
    detail("     Total Actual Width = " + std::to_string(width));
    detail("     Total Width Used = " + std::to_string(widthClass));
    detail("     P_Deliv_Frac = " + factor);
}

void TambCalculation::particulateP(Run& run)
{
    const std::string& deliveryFactor = record().hydrology.PartPDelFact;
    if (deliveryFactor.empty()) {
        failShown(texts::noRecSlopeDistance);
    }
    const std::string& soilLoss = editText("SoilLossED");
    if (soilLoss.empty()) {
        failShown(texts::noSoilLoss);
    }
    record().PartPValue = toSingle(textToNumber(soilLoss) * run.totalPFactor * textToNumber(deliveryFactor)
                                             * run.overallFactor * textToNumber(record().mapUnit.FePFactor));
    detail("PartPDelFact = " + deliveryFactor);
    detail("PartP = " + formatNumber("0.###", record().PartPValue));
    const float index = componentIndex(record().PartPValue);
    record().phosphorus.ParticulateIndex = index;
    showComponent("PartPAssessLBL", texts::particulateCaption, index);
}

void TambCalculation::chooseRunoffMethod(Run& run)
{
    run.runoffConcentration = textToNumber(record().mapUnit.Sur_CurveSlope) * run.m3p;
    detail("RunoffConc = " + formatGeneral(run.runoffConcentration));
    const std::string& flag = record().mapUnit.DrainageFlag;
    detail("DrainageFlag = " + flag);
    if (checked("RD_No")) {
        detail("Drainage Status = No");
    } else if (checked("RD_Yes")) {
        detail("Drainage Status = Yes");
    }
    // Only "0" (not drained) and "1" (drained) name a way to the runoff; any
    // other flag would send the run into a drainage model whose spacing and
    // depth cannot be entered.
    if (flag != "0" && flag != "1") {
        failCollected(texts::invalidDrainageFlag(flag));
    }
    run.drainageModel = !(flag == "0" || checked("RD_No"));
    if (run.drainageModel) {
        drainageModelRunoff(run);
    } else {
        curveNumberRunoff(run);
    }
    detail("RunoffVolume = " + formatNumber("0.###", run.runoffVolume));
}

void TambCalculation::curveNumberRunoff(Run& run)
{
    detail("Using CN Method To Calculate Runoff Volume...");
    shell::HydrologyValues& hydrology = record().hydrology;
    const std::string& muKey = record().mapUnit.MUKey;
    hydrology.CN_ID = tableValue(curveNumberTable, "CN_ID", "CN_CropID", record().tambCrop.CN_CropID, "HC",
                                 hydrology.HC, "Tillage_ID", form_.values.Tillage_ID);
    hydrology.CN_Adj = tableValue(curveNumberTable, "CN_Adj", "CN_ID", hydrology.CN_ID, "MUKey", muKey);
    if (hydrology.CN_Adj == kLookupError) {
        failCollected(texts::cnAdjNotFound(hydrology.CN_Adj, hydrology.CN_ID, muKey));
    }
    if (hydrology.CN_Adj.empty()) {
        failCollected(texts::cnAdjEmpty(hydrology.CN_ID, muKey));
    }
    const shell::CountyValues& county = record().county;
    run.runoffVolume = toSingle(textToNumber(county.CN_RO_Slope)
                                          * std::exp(textToNumber(county.CN_RO_ExpFact) * textToNumber(hydrology.CN_Adj)));
    detail("CN_ID = " + hydrology.CN_ID);
    detail("CN Adj = " + hydrology.CN_Adj);
    detail("CN_RO_Slope = " + county.CN_RO_Slope);
    detail("CN_RO_ExpFact = " + county.CN_RO_ExpFact);
    detail("RunoffVolume = CN_RO_Slope * [ e^(CN_RO_ExpFact * CN_Adj) ]");
}

void TambCalculation::drainageModelRunoff(Run& run)
{
    detail("Using DM Method To Calculate Runoff Volume...");
    // A hidden edit cannot be filled in either: an empty one stops the run
    // with the same message as a shown one.
    const std::string& depth = editText("DrainageDepthED");
    const std::string& spacing = editText("DrainageSpacingED");
    if (depth.empty() || spacing.empty()) {
        failShown(texts::noDrainageSizes);
    }
    const shell::TambCropValues& crop = record().tambCrop;
    run.drainageIndex = toSingle(
        drainageIndex(textToNumber(record().mapUnit.TP_Minus_12), textToNumber(depth), textToNumber(spacing)));
    if (record().expert.RunoffVolumeUser != shell::notEntered) {
        run.runoffVolume = record().expert.RunoffVolumeUser;
        detail("Runoff Volume = User Supplied Value");
        return;
    }
    const std::optional<double> power =
        realPower(textToNumber(crop.DMRO_F) + run.drainageIndex, textToNumber(crop.DMRO_G));
    const double volume = power ? textToNumber(crop.DMRO_E) / *power : 0;
    if (!power || !std::isfinite(volume)) {
        const std::string_view opening = services_.batch.BatchRunning ? "\r\n" : "\n\n";
        const std::string_view separator = services_.batch.BatchRunning ? "\r\n" : "\n";
        std::string text = std::string(texts::invalidFloatingPointOperation) + std::string(opening);
        text += "DMRO_E = " + crop.DMRO_E + std::string(separator);
        text += "DMRO_F = " + crop.DMRO_F + std::string(separator);
        text += "DMRO_G = " + crop.DMRO_G + std::string(separator);
        text += "DrainageIndex = " + formatNumber("0.####", run.drainageIndex) + std::string(separator);
        text += "RunoffVolume = DMRO_E / [ (DMRO_F + DrainageIndex)^DMRO_G ]";
        failCollected(text);
    }
    run.runoffVolume = toSingle(volume);
    detail("TP_Minus_12 = " + record().mapUnit.TP_Minus_12);
    detail("DMRO_E = " + crop.DMRO_E);
    detail("DMRO_F = " + crop.DMRO_F);
    detail("DMRO_G = " + crop.DMRO_G);
    detail("DrainageIndex = " + formatNumber("0.####", run.drainageIndex));
    detail("RunoffVolume = DMRO_E / [ (DMRO_F + DrainageIndex)^DMRO_G ]");
}

void TambCalculation::solubleP(Run& run)
{
    run.solubleP = run.runoffVolume / waterPoundsDivisor * run.runoffConcentration * run.runoffFactor;
    detail("Soluble P = " + formatNumber("0.###", run.solubleP));
    const float index = componentIndex(run.solubleP);
    record().phosphorus.SolubleIndex = index;
    showComponent("RunoffPAssessLBL", texts::solubleCaption, index);
}

} // namespace verdalis::phosphorus
