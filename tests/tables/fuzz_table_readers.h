// What the table fuzz targets do with a file the reader accepted: read
// every cell as text and write the table again, which must not fail in any
// other way than a TableError.
#pragma once

#include "tables/cell_value.h"
#include "tables/table_data.h"
#include "tables/table_error.h"

#include <functional>
#include <string>
#include <string_view>

namespace verdalis::fuzzing {

inline void exerciseReader(std::string_view bytes, const std::function<TableData(std::string_view)>& read,
                           const std::function<std::string(const TableData&)>& write)
{
    try {
        const TableData data = read(bytes);
        size_t total = 0;
        for (const Row& row : data.rows) {
            for (size_t i = 0; i < data.fields.size(); ++i) {
                total += cellText(data.fields[i], row.cells[i]).size();
            }
        }
        read(write(data));
        (void)total;
    } catch (const TableError&) {
    }
}

} // namespace verdalis::fuzzing
