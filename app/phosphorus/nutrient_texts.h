// The messages and captions of the nutrient source dialog and the N
// application rate, exactly as the program shows them.
#pragma once

#include <string_view>

namespace verdalis::phosphorus::texts {

inline constexpr std::string_view enterInfoCaption = "Enter Info";
inline constexpr std::string_view captionSeparator = ":     ";
inline constexpr std::string_view invalidFileName = "Invalid FileName";
inline constexpr std::string_view nutrientCount = "Nutrient Count = ";

inline constexpr std::string_view readingFailed = "Error Entering Table Information.\nPlease Make Changes.";
inline constexpr std::string_view keepSettings = "Would you like to keep your\ncurrent Nutrient settings?";
inline constexpr std::string_view missingDataMiddle = " is missing data.\n";
inline constexpr std::string_view missingDataEnd =
    " will not be part of the calculation\nuntil ALL the necessary information has been entered.";
inline constexpr std::string_view methodNotSelected = "Error!!  AppMethod has not been selected.";
inline constexpr std::string_view appFactorMissing = "Error Getting AppFactor from AppMethod:\n";
inline constexpr std::string_view tooManySourcesStart = "At most ";
inline constexpr std::string_view tooManySourcesEnd =
    " nutrient sources can be part of the calculation.\nPlease clear the amounts of the others.";
inline constexpr std::string_view countMismatchStart =
    "Error!! Fert Info Does Not Match in Inputs Table.\r\nNumber of Fertilizers: ";
inline constexpr std::string_view countMismatchMiddle = "\r\nNumber of Application Methods: ";
inline constexpr std::string_view descriptionNotLocatedStart = "Error Locating FertDesc (";
inline constexpr std::string_view descriptionNotLocatedEnd = ") in FertInfoTbl.db";
inline constexpr std::string_view workingTableMissing = "Cannot locate FertInfoTbl.db";
inline constexpr std::string_view cropTableMissing = "Cannot locate Crops.db";

inline constexpr std::string_view p2o5NotFound = "    P2O5 not found in NutrientSources.DB table";
inline constexpr std::string_view solublePNotFound = "     Fert Soluble P not found in NutrientSources.DB table";
inline constexpr std::string_view nonSolublePNotFound = "     Fert NonSoluble P not found in NutrientSources.DB table";
inline constexpr std::string_view spafNotFound = "     Fert SPAF not found in NutrientSources.DB table";
inline constexpr std::string_view nonSpafNotFound = "     Fert Non SPAF not found in NutrientSources.DB table";
inline constexpr std::string_view typeNotFound = "     Type not found in NutrientSources.DB table";

} // namespace verdalis::phosphorus::texts
