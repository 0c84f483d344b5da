// Builds a table file from two CSV files, the form in which the bundled
// reference tables are kept:
//   SCHEMA.csv  header "name,type,size,required", one row per column in
//               order; type text (size = maximum length 1..255), integer
//               (32-bit), float (double), logical or date (YYYY-MM-DD);
//               size empty for every type but text; required 0 or 1.
//   DATA.csv    UTF-8, a header row with the schema's column names in the
//               same order, one row per record; an empty cell is an empty
//               value, refused in a required column.
// The output's extension chooses the format: .db Paradox, .dbf dBASE.
#pragma once

#include "tables/field_def.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace verdalis {

// "<file>:<line>: column <name>: <problem>" (without the column part when
// the problem is not in one column).
class BuildError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the schema text; `outputName` tells the format whose limits apply.
std::vector<FieldDef> readTableSchema(std::string_view text, const std::string& sourceName,
                                      const std::filesystem::path& outputName);

// Raises BuildError; the output is written only when everything was read.
void buildTable(const std::filesystem::path& schemaCsv, const std::filesystem::path& dataCsv,
                const std::filesystem::path& output);

} // namespace verdalis
