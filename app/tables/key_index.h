// Lookup of records by the values of key columns, ignoring letter case.
// Keys are compared in a normal form per column type, so that "12" finds 12
// in a numeric column and "corn" finds "Corn" in a text column.
#pragma once

#include "tables/table_data.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace verdalis {

// The normal form of a cell for key comparisons; "" for an empty cell.
std::string cellKey(const FieldDef& field, const Value& value);

// The normal form of a search value for `field`; an empty text finds empty
// cells. Numbers compare by value ("12.0" finds 12). Raises TableError when the
// text cannot be compared with the column's type ("abc" for a number).
std::string searchKey(const FieldDef& field, std::string_view text);

// Joins the normal forms of several columns into one key.
void appendKeyPart(std::string& key, std::string_view part);

class KeyIndex {
public:
    KeyIndex(const TableData& data, const std::vector<size_t>& columns);

    // Indexes (into TableData::rows) of the records whose joined key equals
    // `key`, in table order; nullptr when there are none.
    const std::vector<uint32_t>* find(const std::string& key) const;

private:
    std::unordered_map<std::string, std::vector<uint32_t>> rows_;
};

} // namespace verdalis
