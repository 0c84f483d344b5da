// The main window's own messages and the captions its rules set.
#pragma once

#include <string>
#include <string_view>

namespace verdalis::shell::texts {

inline constexpr std::string_view applicationTitle = "Verdalis";
inline constexpr std::string_view productCode = "Verdalis";
inline constexpr std::string_view executableName = "Verdalis.exe";
inline constexpr std::string_view alreadyRunning = "Verdalis program already running.";
inline constexpr std::string_view supportContact =
    "For support contact Dana Whitfield, Verdalis Nutrient Tools Group, (555) 014-2290, "
    "support@verdalis.invalid";

inline constexpr std::string_view creatingInputTable = "Creating new Input Table...";
inline constexpr std::string_view doesNotExist = " does not exist.";
inline constexpr std::string_view privateRelease = " Private Release";

// A reference table start-up cannot do without, and where it belongs.
inline std::string missingStartupTable(std::string_view table, std::string_view directory)
{
    std::string text = "The ";
    text += table;
    text += " Table Does not Exist or\nis in the wrong location.\nPlease Place the ";
    text += table;
    text += " Table in\n";
    text += directory;
    text += "\nand Re-Start the Program.";
    return text;
}

inline constexpr std::string_view noManual = "Cannot Locate Verdalis Manual";
inline constexpr std::string_view closingConnection = "Closing Internet Connection, Please Wait...";
inline constexpr std::string_view invalidCroppingYear = "Cropping Year is not valid.";
inline constexpr std::string_view noNutrientSources =
    "You have not selected any nutrient/waste\nsources.  Are you sure you want to\ncalculate?";
inline constexpr std::string_view versionLine = "Verdalis Version: ";

inline constexpr std::string_view zorvResults = "Zorv RESULTS";
inline constexpr std::string_view totalNLost = "Total N Lost = ";
inline constexpr std::string_view tambRating = "Tamb RATING";
inline constexpr std::string_view bmpCount = "BMP Count = ";
inline constexpr std::string_view nutrientCount = "Nutrient Count = ";

inline constexpr std::string_view drainageSectionHeading =
    "Calculating Surface and Subsurface Water Losses for Tamb: Drainage and Hydrologic Condition";
inline constexpr std::string_view drainageSubheading = "Drainage (Tamb only)";

} // namespace verdalis::shell::texts
