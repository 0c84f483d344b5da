#include "shell/reference_lists.h"

#include "tables/table.h"
#include "util/text_case.h"

#include <algorithm>
#include <functional>

namespace verdalis::shell {

namespace {

// Calls take for every record of the table, in table order.
void forEachRecord(const std::string& directory, std::string_view tableName, TableType type,
                   const std::function<void(Table&)>& take)
{
    Table table;
    table.setReadOnly(true);
    table.open(directory, tableName, type);
    for (table.first(); !table.eof(); table.next()) {
        take(table);
    }
    table.close();
}

std::vector<std::string> readColumn(const std::string& directory, std::string_view tableName,
                                    std::string_view column, TableType type = TableType::Paradox)
{
    std::vector<std::string> values;
    forEachRecord(directory, tableName, type,
                  [&](Table& table) { values.push_back(table.field(column).asText()); });
    return values;
}

} // namespace

std::vector<std::string> readReceivingSlopeDistances(const std::string& directory)
{
    return readColumn(directory, "PartPDelivery.db", "RecSlopeDist");
}

std::vector<std::string> readCountyNames(const std::string& directory)
{
    std::vector<std::string> counties;
    for (std::string& county : readColumn(directory, "County_Stations.db", "County")) {
        const bool known = std::ranges::any_of(
            counties, [&](const std::string& listed) { return equalsIgnoringCase(listed, county); });
        if (!known && !equalsIgnoringCase(county, "Unknown")) {
            counties.push_back(std::move(county));
        }
    }
    return counties;
}

std::vector<std::string> readTillageNames(const std::string& directory)
{
    std::vector<std::string> tillages = readColumn(directory, "Tillage.db", "Tillage");
    if (!tillages.empty()) {
        tillages.erase(tillages.begin());
    }
    return tillages;
}

std::vector<std::string> readCropNames(const std::string& directory)
{
    return readColumn(directory, "Crops.db", "Harlwig_Crop_Name");
}

std::vector<std::string> readCoverCropNames(const std::string& directory)
{
    return readColumn(directory, "CoverCropTable.dbf", "Crop", TableType::Dbase);
}

std::vector<std::string> readRecordNameList(const std::string& directory, std::string_view tableName)
{
    std::vector<std::string> names;
    forEachRecord(directory, tableName, TableType::Dbase, [&](Table& table) {
        names.push_back(table.field("RecordName").asText() + "=" + table.field("ModeType").asText());
    });
    return names;
}

} // namespace verdalis::shell
