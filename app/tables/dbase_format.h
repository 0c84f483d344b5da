// dBASE III/IV tables (.dbf): a 32-byte header, one 32-byte descriptor per
// column, a 0x0D terminator, fixed-length records that start with a deletion
// flag, and a 0x1A end-of-file marker. Column types C (character),
// N and F (numeric, as right-aligned decimal text), L (logical) and
// D (date as YYYYMMDD). Text is Windows-1252 on disk (language driver 0x57,
// also read: 0x03 and none). Deleted records are skipped on reading and
// dropped when the table is written again.
#pragma once

#include "tables/table_data.h"

#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

// Raises TableError naming `fileName` when the bytes are not a table this
// reader can trust.
TableData readDbase(std::string_view bytes, const std::string& fileName);

// The complete file image of `data`.
std::string writeDbase(const TableData& data);

// The on-disk definitions for columns created from `fields`: text keeps its
// size, integers become N(11,0), floats N(20,10), dates D(8), logicals L(1).
// Raises TableError for types dBASE does not have.
std::vector<FieldDef> dbaseFields(std::vector<FieldDef> fields);

// Raises TableError when `value` does not fit the column on disk, and for
// integer columns outside the 32-bit range.
void checkDbaseCell(const FieldDef& field, const Value& value);

} // namespace verdalis
