// One entry point per operation for both formats.
#pragma once

#include "tables/table_data.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

// ".db" Paradox, ".dbf" dBASE (any case); TableError for anything else.
TableFormat formatFromExtension(const std::filesystem::path& path);

TableData decodeTable(TableFormat format, std::string_view bytes, const std::string& fileName);
std::string encodeTable(const TableData& data);

// The on-disk column definitions for a new table.
std::vector<FieldDef> physicalFields(TableFormat format, std::vector<FieldDef> fields);

// Raises TableError when `value` cannot be stored in the column.
void checkCell(TableFormat format, const FieldDef& field, const Value& value);

// Why the engine cannot write this table back, or nothing when it can.
std::optional<std::string> writeRefusal(const TableData& data);

} // namespace verdalis
