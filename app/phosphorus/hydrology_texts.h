// The messages and captions of the hydrology, drainage, soil test and
// expert-entry inputs, exactly as the program shows them.
#pragma once

#include <string_view>

namespace verdalis::phosphorus::texts {

inline constexpr std::string_view cropNotFoundStart = "Error! Could not Locate  ";
inline constexpr std::string_view cropNotFoundMiddle = "  from \nCrops.db\n";
inline constexpr std::string_view stationCropNotFound = "Could not locate combination of\nStaion_ID & DrnModCropID";
inline constexpr std::string_view tillageNotFoundStart = "Could Not Find Tillage: ";
inline constexpr std::string_view tillageNotFoundEnd = "in Table.";
inline constexpr std::string_view hydrologicConditionError = "Error in Hydrologic Condition";
inline constexpr std::string_view shallowSurfaceDepth = "0\" - 4\"";
inline constexpr std::string_view deepSurfaceDepth = "0\" - 8\"";

inline constexpr std::string_view slopeDistanceNotFoundStart = "Cannot Locate RecSlopeDist: ";
inline constexpr std::string_view slopeDistanceNotFoundEnd = " in Table";
inline constexpr std::string_view deliveryTableMissing =
    "PartPDelivery.db does not exist or is in the wrong\nDirectory.  Please place the file in:\n";

inline constexpr std::string_view expertPopupEnter = "Enter My Own Drainage And Runoff Values";
inline constexpr std::string_view expertPopupClear = "Clear My Drainage and Runoff Values (Use Calculated Values)";
inline constexpr std::string_view passwordInvalid = "Password Invalid!";
inline constexpr std::string_view invalidRunoffVolume = "Invalid Runoff Volume. Verdalis will use\nthe calculated value.";
inline constexpr std::string_view invalidLeachateVolume =
    "Invalid Leachate Volume. Verdalis will use\nthe calculated value.";
inline constexpr std::string_view invalidRunoffFraction =
    "Invalid Runoff Fraction. Verdalis will use\nthe calculated value.";
inline constexpr std::string_view invalidAnnualPrecipitation =
    "Invalid Annual Precipitation. Verdalis will use\nthe calculated value.";

inline constexpr std::string_view userEntryCaption = "User Entry Dialog";
inline constexpr std::string_view useCalculatedValue = "Use Calculated Value";
inline constexpr std::string_view calculatedEntry = "Calculated";

} // namespace verdalis::phosphorus::texts
