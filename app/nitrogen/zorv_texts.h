// The nitrogen calculation's messages, report labels and captions.
#pragma once

#include <string_view>

namespace verdalis::nitrogen::texts {

inline constexpr std::string_view pastureDialog = "Zorv was not developed for pastures,\nthus there is no output value.";
inline constexpr std::string_view pastureReport = "Zorv was not developed for pastures, thus there is no output value.";
inline constexpr std::string_view notAvailable = "N/A";
inline constexpr std::string_view agronomicCrop = " is an Agronomic Crop";
inline constexpr std::string_view noNitrogenForAgronomicCrop = "No Nitrogen Should Be Applied.";
inline constexpr std::string_view zeroRyeDialog = " yielded a RYE result of Zero.";
inline constexpr std::string_view noCalculationPossible = "Therefore no calculations can be made.";
inline constexpr std::string_view noRyeValue = "Cannot Calculate: NO RYE VALUE for ";

// The lines that name the field in a failure account.
inline constexpr std::string_view producerId = "Producer ID: ";
inline constexpr std::string_view tractNum = "Tract Num:  ";
inline constexpr std::string_view county = "County:  ";

inline constexpr std::string_view rateMissing = "N Application Rate Missing: Not enough information to calculate!";
inline constexpr std::string_view rateDetail = "N App Rate = ";
inline constexpr std::string_view cropMissing = "Crop Missing: Not enough information to calculate!";
inline constexpr std::string_view cropMissingBatch = "Crop Missing/Unknown: Not enough information to calculate!";
inline constexpr std::string_view cropDetail = "Crop Name:  ";
inline constexpr std::string_view acresMissing = "Field Acres Missing: Not enough information to calculate!";
inline constexpr std::string_view acresDetail = "Acres = ";
inline constexpr std::string_view countyMissing = "County (county) Missing: Not enough information to calculate!";
inline constexpr std::string_view mapUnitMissing =
    "Soil Map Unit (Soil Series) Missing: Not enough information to calculate!";
inline constexpr std::string_view mapUnitMissingBatch =
    "Soil Map Unit Missing/Unknown: Not enough information to calculate!";
inline constexpr std::string_view mapUnitDetail = "Soil Series:  ";
inline constexpr std::string_view acresBelowBmpAcres = "Field Acres cannot be smaller than BMP acres!";
inline constexpr std::string_view fieldAcres = "Field Acres = ";
inline constexpr std::string_view bmpAcres = "BMP Acres = ";
// What a batch run's result row shows for a calculation that stopped.
inline constexpr std::string_view calculationError = "Calculation Error: ";

inline constexpr std::string_view resultsFor = "Zorv Results For:  ";
inline constexpr std::string_view inputsHeading = "INPUTS";
inline constexpr std::string_view outputsHeading = "OUTPUTS";
inline constexpr std::string_view nueSuffix = " NUE:";
inline constexpr std::string_view ryeProducer = "RYE (Producer):               ";
inline constexpr std::string_view ryeDatabase = "RYE (Database):               ";
inline constexpr std::string_view nFactor = "NFactor (Database):           ";
inline constexpr std::string_view nAppRate = "N Application Rate:           ";
inline constexpr std::string_view recommendedRate = "Recommended N App Rate:       ";
inline constexpr std::string_view perAcre = " lbs/Acre";
inline constexpr std::string_view coverCrop = "Cover Crop:                   ";
inline constexpr std::string_view bmps = "BMPs:                         ";
inline constexpr std::string_view bmpWidth = "    Width = ";
inline constexpr std::string_view feet = " ft.";
inline constexpr std::string_view bmpAcresAffected = "BMP Acres Affected:           ";

inline constexpr std::string_view nAppliedLabel = "N_Applied (Field Acres) = ";
inline constexpr std::string_view nNeededLabel = "N_Needed (Field Acres) = ";
inline constexpr std::string_view warningPrefix = "    *** ";
inline constexpr std::string_view nAppliedBelowNeed = "    *** N Applied (";
inline constexpr std::string_view atMostNeed = ") <= N Needed (";
inline constexpr std::string_view changingNeed = "    *** Changing N_Needed to N Applied...";
inline constexpr std::string_view nAppliedShort = "N Applied = ";
inline constexpr std::string_view excessLabel = "Excess_N (Field Acres) = ";
inline constexpr std::string_view excessSurfaceLabel = "Excess_N_Surface = ";
inline constexpr std::string_view excessSubsurfaceLabel = "Excess_N_Subsurface = ";
inline constexpr std::string_view neededFieldLabel = "N_Needed_Field = ";
inline constexpr std::string_view utilizedLabel = "Utilized_N_Crop = ";
inline constexpr std::string_view lostAfterCropLabel = "N_Lost After Crop = ";
inline constexpr std::string_view lostBeforeBmpLabel = "N_Lost Before BMP = ";
inline constexpr std::string_view lostAfterCoverLabel = "N_Lost_After_Cover_Crops = ";
inline constexpr std::string_view lostAfterBmpLabel = "N_Lost_After_BMP = ";
inline constexpr std::string_view totalLabel = "Total_N_Lost = ";
inline constexpr std::string_view zeroTotal = "Total_N_Lost = 0";

inline constexpr std::string_view zorvResults = "Zorv RESULTS";
inline constexpr std::string_view totalNLost = "Total N Lost = ";

} // namespace verdalis::nitrogen::texts
