// The messages of the county, map unit, crop and tillage choices.
#pragma once

#include <string>
#include <string_view>

namespace verdalis::inputs::texts {

inline constexpr std::string_view mapUnitKeyMissing = "Error getting MUKey!";
inline constexpr std::string_view mapUnitSymbolsDiffer = "Error matching MUSYM's";
inline constexpr std::string_view mapUnitTableMissing = "Error Finding Soil_Mapunits.DB";
inline constexpr std::string_view noCountyForCrop = "Please Select a COUNTY and an MAPPING UNIT\nBefore selecting a CROP";

inline std::string mapUnitKeyNotInTable(std::string_view mapUnitKey)
{
    return "Cannot Locate MUKey: " + std::string(mapUnitKey) + " in Table";
}

inline std::string surfaceSolubilityMissing(std::string_view mapUnitKey)
{
    return "Surf_SolPEqNo (SurfaceSolPID) Has NO VALUE in table: \nSoil_Mapunits.db\nMUKey = " +
           std::string(mapUnitKey) + "\n\nPlease Make Another Soil Selection.";
}

inline std::string evapotranspirationGroupMissing(std::string_view mapUnitKey)
{
    return "EtSoilGrp Has NO VALUE in table: \nSoil_Mapunits.db\nMUKey = " + std::string(mapUnitKey) +
           "\n\nPlease Make Another Soil Selection";
}

inline std::string zorvCropMissing(std::string_view cropName)
{
    return "Cannot Locate Zorv Crop: " + std::string(cropName);
}

// No blank before "in Table.": the message has always read so.
inline std::string tillageMissing(std::string_view tillage)
{
    return "Could Not Find Tillage: " + std::string(tillage) + "in Table.";
}

} // namespace verdalis::inputs::texts
