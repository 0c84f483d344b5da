// The phosphorus rating's own messages, report captions and result captions.
#pragma once

#include <string>
#include <string_view>

namespace verdalis::phosphorus::texts {

inline constexpr std::string_view tambRating = "Tamb RATING";
inline constexpr std::string_view resultsFor = "Tamb Results For:  ";
inline constexpr std::string_view inputsHeading = "INPUTS";
inline constexpr std::string_view outputsHeading = "OUTPUTS";

// The input checks: what is missing, and how the message ends.
inline constexpr std::string_view checkOpening = "Cannot calculate Tamb. Please make sure\r\n\r\n";
inline constexpr std::string_view hasBeenSelected = " \r\n\r\nhas been selected.";
inline constexpr std::string_view hasBeenEntered = " \r\n\r\nhas been entered.";
inline constexpr std::string_view atLeastTwelveInches = " \r\n\r\nis greater than or equal to 12 inches.";

inline std::string inputCheck(std::string_view subject, std::string_view ending)
{
    return std::string(checkOpening) + std::string(subject) + std::string(ending);
}

inline constexpr std::string_view noRecSlopeDistance =
    "Cannot Calculate Tamb.\nPlease Select a Receiving Slope Distance.";
inline constexpr std::string_view noSoilLoss = "Cannot Calculate Tamb.\nPlease Enter a Soil Loss.";
inline constexpr std::string_view noDrainageSizes =
    "Cannot Calculate Tamb.\nPlease Make Sure Drainage Depth AND\nDrainage Spacing are filled out";
inline constexpr std::string_view noSubsoilTest =
    "Cannot Calculate Tamb. Not enough Info.\nSoil Test P (28\"-32\") is blank";
inline constexpr std::string_view invalidET = "Invalid ET. Setting to\n38.0";
inline constexpr std::string_view defaultET = "38.0";
inline constexpr std::string_view incompleteSource =
    "You do not have all the necessary information\nfilled out in the 'Application Source and Rate'\n"
    "table.  Please go back to the table and fix\nyour errors.";
// A map unit whose drainage flag names neither way of computing the runoff.
inline std::string invalidDrainageFlag(std::string_view flag)
{
    return "Cannot Calculate Tamb.\nThe soil map unit has an invalid DrainageFlag: \"" + std::string(flag)
           + "\"\n(0 = not drained, 1 = drained).\nPlease make another soil selection.";
}
// A power of the drainage model that has no real value.
inline constexpr std::string_view invalidFloatingPointOperation = "Invalid floating point operation";

inline std::string cnAdjNotFound(std::string_view cnAdj, std::string_view cnId, std::string_view muKey)
{
    return "Could not Locate CN_ADJ: " + std::string(cnAdj) + "\r\n" + "CN_ID: " + std::string(cnId) + "\r\n"
           + "MUKey: " + std::string(muKey) + "\r\n" + "in Curve_Number.db";
}
inline std::string cnAdjEmpty(std::string_view cnId, std::string_view muKey)
{
    return "CN_ADJ Does not have a value for this soil.\r\nCN_ID: " + std::string(cnId) + "\r\n" + "MUKey: "
           + std::string(muKey) + "\r\n" + "in Curve_Number.db";
}

// Component lines: the caption, then the index right-aligned in seven.
inline constexpr std::string_view particulateCaption = "Particulate P  = ";
inline constexpr std::string_view solubleCaption = "Soluble P      = ";
inline constexpr std::string_view leachateCaption = "Leachate P     = ";
inline constexpr std::string_view sourceCaption = "Source P       = ";
inline constexpr std::string_view totalCaption = "Total P Rating = ";
inline constexpr std::string_view overallCaption = "Overall P      = ";

inline constexpr std::string_view highBecauseOfSubsoil =
    "The Total P Rating is high because of the soil test level at the 28\" - 32\" depth.";

} // namespace verdalis::phosphorus::texts
