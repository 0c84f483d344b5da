// The table information listing of the View Tables tab: where a table lives,
// how many records and columns it has, and the names of its columns.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace verdalis::reports {

// Opens the table read-only by its extension and answers its listing:
//   <file name>:
//       Hard Drive Location: <folder>
//       Num Records: <n>
//       Num Columns: <n>
//           <column name>        (one line per column, in column order)
//   " "
// Errors of the table engine propagate.
std::vector<std::string> tableInfoLines(const std::filesystem::path& path);

} // namespace verdalis::reports
