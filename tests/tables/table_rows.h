// Filling and reading whole tables as texts, for tests.
#pragma once

#include "tables/table.h"

#include <string>
#include <vector>

namespace verdalis::testing {

using TextRows = std::vector<std::vector<std::string>>;

// Appends one record per row, setting the columns in order from the texts.
inline void appendTextRows(Table& table, const TextRows& rows)
{
    for (const auto& row : rows) {
        table.append();
        for (size_t i = 0; i < row.size(); ++i) {
            table.field(i).setText(row[i]);
        }
        table.post();
    }
}

inline TextRows allText(Table& table)
{
    TextRows rows;
    for (table.first(); !table.eof(); table.next()) {
        std::vector<std::string> row;
        for (size_t i = 0; i < table.fieldCount(); ++i) {
            row.push_back(table.field(i).asText());
        }
        rows.push_back(row);
    }
    return rows;
}

} // namespace verdalis::testing
