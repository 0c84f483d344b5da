#include "phosphorus/table_access.h"

#include "util/case_insensitive_path.h"

#include <filesystem>

namespace verdalis::phosphorus {

namespace fs = std::filesystem;

std::unique_ptr<Table> openLocatedTable(const TableLookups& lookups, std::string_view tableName)
{
    const std::string location = lookups.GetTableLocation(tableName);
    if (location == kLookupError) {
        return nullptr;
    }
    const fs::path path(location);
    auto table = std::make_unique<Table>();
    table->open(path.parent_path(), path.filename().string());
    return table;
}

std::unique_ptr<Table> openTableIn(const std::string& directory, std::string_view tableName, std::string_view filter)
{
    if (!fs::exists(resolveCaseInsensitive(directory, tableName))) {
        return nullptr;
    }
    auto table = std::make_unique<Table>();
    table->setFilter(filter);
    table->open(directory, tableName);
    return table;
}

std::string quotedFilterValue(std::string_view value)
{
    std::string quoted = "'";
    for (char c : value) {
        quoted += c;
        if (c == '\'') {
            quoted += c;
        }
    }
    return quoted + "'";
}

} // namespace verdalis::phosphorus
