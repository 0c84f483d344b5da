// Leachate P from the subsoil test and the water draining through the soil,
// and the share of the year's precipitation that runs off.
#include "phosphorus/calculate_tamb.h"

#include "phosphorus/tamb_arithmetic.h"
#include "phosphorus/tamb_texts.h"
#include "util/number_format.h"
#include "util/number_text.h"
#include "util/text_case.h"

#include <algorithm>

namespace verdalis::phosphorus {

namespace {

// A subsoil Mehlich-3 P above this rates the field HIGH whatever its total.
inline constexpr double subsoilOverrideM3P = 50;

} // namespace

void TambCalculation::leachateP(Run& run)
{
    if (shownAndEmpty("SoilTestP2ED")) {
        failShown(texts::noSubsoilTest);
    }
    const bool subsoilUsed = shownAndFilled("SoilTestP2ED");
    const double subsoilIndex = subsoilUsed ? textToNumber(editText("SoilTestP2ED")) : 0;
    const shell::MapUnitValues& unit = record().mapUnit;
    detail("Subsoil_Sample_Required = " + unit.SubsoilSample);
    detail("P_Threshold = " + unit.P_Threshold);
    detail("PI_Surface = " + formatNumber("0.###", textToNumber(editText("SoilTestP1ED"))));
    if (subsoilUsed) {
        detail("PI_Subsoil = " + formatNumber("0.###", subsoilIndex));
    }
    detail(" ");
    const double concentration = leachateConcentration(run, subsoilIndex);
    detail("LeachateConc = " + formatNumber("0.###", concentration));

    record().hydrology.ET = evapotranspiration();
    double volume = 0;
    double drainageFactor = 1;
    if (!run.drainageModel) {
        volume = std::max(0.0, textToNumber(record().county.AnnPPT) - textToNumber(record().hydrology.ET)
                                   - run.runoffVolume);
        detail("Using CN Method to Calculate Leachate Volume...");
        detail("ET = " + record().hydrology.ET);
        detail("Runoff Volume = " + formatNumber("0.####", run.runoffVolume));
        detail("AnnPPT = " + record().county.AnnPPT);
        detail("LeachateVolume = AnnPPT - ET - RunoffVolume");
    } else {
        drainageFactor = textToNumber(unit.T30_Over_TP);
        if (record().expert.LeachateVolumeUser != shell::notEntered) {
            volume = record().expert.LeachateVolumeUser;
            detail("Leachage Volume = User Supplied Value");
        } else {
            const shell::TambCropValues& crop = record().tambCrop;
            const double c = textToNumber(crop.DMLch_C);
            const std::optional<double> numeratorPower = realPower(run.drainageIndex, c);
            const std::optional<double> denominatorPower = realPower(textToNumber(crop.DMLch_D) + run.drainageIndex, c);
            if (!numeratorPower || !denominatorPower) {
                throw ConversionError(std::string(texts::invalidFloatingPointOperation));
            }
            volume = (textToNumber(crop.DMLch_A) + textToNumber(crop.DMLch_B) * *numeratorPower) / *denominatorPower;
            detail("Using DM Method to Calculate Leachate Volume...");
            detail("Drainage Index = " + formatGeneral(run.drainageIndex));
            detail("DMLch_A = " + crop.DMLch_A);
            detail("DMLch_B = " + crop.DMLch_B);
            detail("DMLch_C = " + crop.DMLch_C);
            detail("DMLch_D = " + crop.DMLch_D);
            detail("T30_over_TP = " + unit.T30_Over_TP);
            detail("(DMLch_A + (DMLch_B * (DrainageIndex^DMLch_C))) / (DMLch_D + DrainageIndex)^DMLch_C");
        }
    }
    detail("Leachate Volume = " + formatNumber("0.#####", volume));

    run.leachP = concentration * volume * drainageFactor / waterPoundsDivisor;
    detail(" ");
    detail("LeachateConc = " + formatNumber("0.#####", concentration));
    detail("DrainageFactor = " + formatNumber("0.#####", drainageFactor));
    detail("Leach P = (LeachateConc * LeachateVolume * DrainageFactor) / 4.415");
    detail("Leach P = " + formatNumber("0.#####", run.leachP));
    const float index = componentIndex(run.leachP);
    record().phosphorus.LeachateIndex = index;
    showComponent("LeachatePAssessLBL", texts::leachateCaption, index);
}

double TambCalculation::leachateConcentration(Run& run, double subsoilIndex)
{
    const shell::MapUnitValues& unit = record().mapUnit;
    if (equalsIgnoringCase(unit.SubsoilSample, "N") || !shownAndFilled("SoilTestP2ED")) {
        return 0;
    }
    const std::string factor = weightVolumeFactor("WVRED2");
    const double subsoilM3P = subsoilIndex * mehlichPerIndex / textToNumber(factor);
    run.subsoilOverride = subsoilM3P > subsoilOverrideM3P;
    detail("PI_Subsoil = " + formatGeneral(subsoilIndex));
    detail((editText("WVRED2").empty() ? "WV_Factor (DATABASE) = " : "WV_Factor (USER) = ") + factor);
    detail("SubsoilM3P = (PI_SubSoil * 1.2) / WV_Factor");
    detail("subsoil M3P = " + formatNumber("0.###", subsoilM3P));
    return textToNumber(unit.Subsur_CurveSlope) * subsoilM3P;
}

std::string TambCalculation::evapotranspiration()
{
    const std::string et = tableValue("County_Stations.db", "ET", "LKey", record().county.LKey, "DrnModCropID",
                                      record().tambCrop.DrnMod_CropID, "ETSoilGrp", record().mapUnit.ETSoilGrp);
    if (et == kLookupError || et.empty()) {
        services_.dialogs.error(texts::invalidET);
        return std::string(texts::defaultET);
    }
    return et;
}

void TambCalculation::runoffFraction(Run& run)
{
    const shell::ExpertValues& expert = record().expert;
    const bool drained = checked("RD_Yes");
    const bool userPrecipitation = drained && expert.AnnPPTUser != shell::notEntered;
    const double precipitation = userPrecipitation ? expert.AnnPPTUser : textToNumber(record().county.AnnPPT);
    const bool userFraction = drained && expert.RunoffFractionUser != shell::notEntered;
    run.runoffFraction = userFraction ? expert.RunoffFractionUser : run.runoffVolume / precipitation;
    detail(userPrecipitation ? "AnnPPT = User Supplied Value" : "AnnPPT = Value from Table");
    detail("AnnPPT = " + formatNumber("0.#####", precipitation));
    detail(userFraction ? "Runoff_Fraction = User Supplied Value" : "Runoff_Fraction = Runnoff Volume / AnnPPT");
    detail("Runoff_Fraction = " + formatNumber("0.#####", run.runoffFraction));
    detail(" ");
    detail("Number of Fertilizers Selected = " + std::to_string(record().nutrients.sources.size()));
}

} // namespace verdalis::phosphorus
