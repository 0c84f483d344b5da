// Opening a reference table for one operation: found through
// TableLocations.ini or in a fixed folder, closed when the reader goes.
#pragma once

#include "tables/table.h"
#include "tables/table_lookups.h"

#include <memory>
#include <string>
#include <string_view>

namespace verdalis::phosphorus {

// The table the settings file names, open on its first record; null when
// GetTableLocation reported it missing.
std::unique_ptr<Table> openLocatedTable(const TableLookups& lookups, std::string_view tableName);

// The table of that name in the folder, open with the filter (none when
// empty); null when it is not there.
std::unique_ptr<Table> openTableIn(const std::string& directory, std::string_view tableName,
                                   std::string_view filter = {});

// A text for a quoted filter term, its quotes doubled.
std::string quotedFilterValue(std::string_view value);

} // namespace verdalis::phosphorus
