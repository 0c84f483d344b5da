// The texts the generic table lookups report.
#pragma once

#include <string>
#include <string_view>

namespace verdalis::lookup_messages {

inline std::string errorLocatingTable(std::string_view table, std::string_view directory)
{
    return "FUNCTION:  GetTableLocation -  \nError Locating Table:\n" + std::string(table) + "\nin " +
           std::string(directory);
}

inline constexpr std::string_view kNoTableLocations = "Cannot Locate\nTableLoactions.ini";

inline std::string tableMissing(std::string_view table, std::string_view directory)
{
    return std::string(table) + " does not exist or is in the wrong\nDirectory.  Please place the file in\n" +
           std::string(directory);
}

inline std::string columnMissing(std::string_view column)
{
    return "The Column: " + std::string(column) + " does not exist\nin this table";
}

inline std::string cannotLocateOneKey(std::string_view keyField, std::string_view keyValue)
{
    return "Cannot Locate " + std::string(keyField) + " : " + std::string(keyValue) + " in Table";
}

inline std::string cannotLocateKeys(std::string_view keyText, std::string_view joinedValues)
{
    return "Cannot Locate " + std::string(keyText) + " : \n" + std::string(joinedValues) + "\n in Table";
}

inline constexpr std::string_view kNoNueTable = "No NUE table found.\nA Default Value of 0.0 will be used.";

inline std::string cropNotInNueTable(std::string_view cropName, std::string_view cropCode)
{
    return "Crop: " + std::string(cropName) + "  Zorv Crop ID: " + std::string(cropCode) +
           "\n not found in NUE table.\nA Default Value of 0.0 will be used.";
}

inline constexpr std::string_view kNoNueForCrop = "There is no NUE for this Crop.\nA Default Value of 0.0 will be used.";

} // namespace verdalis::lookup_messages
