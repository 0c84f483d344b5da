// The pick lists the start-up reads from reference tables, and the names of
// the saved records. Each opens its table, reads it in table order and
// closes it; a table that cannot be read raises TableError.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verdalis::shell {

using ReferenceListRead = std::vector<std::string> (*)(const std::string& directory);

// Every RecSlopeDist of PartPDelivery.db.
std::vector<std::string> readReceivingSlopeDistances(const std::string& directory);
// The counties of County_Stations.db, each once (the first spelling, letter
// case ignored), without "Unknown".
std::vector<std::string> readCountyNames(const std::string& directory);
// Every Tillage of Tillage.db but the first record's, which stands for no
// tillage.
std::vector<std::string> readTillageNames(const std::string& directory);
// Every Harlwig_Crop_Name of Crops.db.
std::vector<std::string> readCropNames(const std::string& directory);
// Every Crop of the dBASE table CoverCropTable.dbf.
std::vector<std::string> readCoverCropNames(const std::string& directory);
// RecordName=ModeType for every record of the user table.
std::vector<std::string> readRecordNameList(const std::string& directory, std::string_view tableName);

} // namespace verdalis::shell
