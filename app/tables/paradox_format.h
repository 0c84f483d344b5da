// Paradox data tables (.db), versions 3 to 7 for reading and 4, 5 and 7 for
// writing. Layout:
//   header (headerSize bytes, little-endian): record size, header size, file
//     type (0 keyed, 2 unkeyed), block size in KB, record count, block
//     counts and the first and last block of the record chain, field count,
//     key field count, sort order, file version, auto-increment value; from
//     version 4 on a second part with the DOS code page; then one (type,
//     size) pair per field, the table name, the field names (NUL-terminated),
//     the field numbers and the sort order name.
//   data blocks of blockSize bytes, numbered from 1: next block, previous
//     block, "addDataSize" (the bytes of records beyond the first, so a
//     block holds addDataSize / recordSize + 1 records; negative when empty),
//     then the records.
//   field values big-endian; whole numbers and dates with the sign bit
//     flipped; doubles with the sign bit set when positive and every bit
//     inverted when negative; all-zero bytes are an empty value.
// Keyed tables are read through their block chain, which keeps the key
// order; the primary index (.PX) beside them is not needed for that.
#pragma once

#include "tables/table_data.h"

#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

TableData readParadox(std::string_view bytes, const std::string& fileName);

// Raises TableError for keyed tables (their index would go stale) and for
// versions before 4.
std::string writeParadox(const TableData& data);

// Text keeps its size; the other types take their fixed on-disk sizes.
std::vector<FieldDef> paradoxFields(std::vector<FieldDef> fields);

void checkParadoxCell(const FieldDef& field, const Value& value);

// The file version bytes the writer uses for Paradox 4, 5 and 7.
constexpr uint8_t kParadox4Version = 0x09;
constexpr uint8_t kParadox5Version = 0x0B;
constexpr uint8_t kParadox7Version = 0x0C;

// Versions 4 and later carry the header part that the writer produces.
bool isWritableParadoxVersion(uint8_t fileVersionId);

} // namespace verdalis
