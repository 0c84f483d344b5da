// The result table of a list run, Verdalis_BatchTable.dbf, and how the
// lines of a record's results report fill it: sixteen report labels, each
// with the result column its value goes to.
#pragma once

#include "tables/field_def.h"

#include <string>
#include <string_view>
#include <vector>

namespace verdalis {
class Table;
}

namespace verdalis::records {

// The 22 columns of the result table, in order.
const std::vector<FieldDef>& batchResultColumns();

// Stores the value of a report line in the current (edited) record of the
// result table when the line holds one of the labels: the first label found
// in the line (case-sensitive) decides. Nitrogen values are the first word
// of the value without thousands separators; the phosphorus components are
// whole numbers; the total rating is a number (rounded) and its rating word.
// A value that does not read as a number raises ConversionError.
void storeReportLine(std::string_view line, Table& results);

// The text cut to the width of the column, at a character boundary.
std::string fitToColumn(const Table& table, std::string_view column, std::string_view text);

} // namespace verdalis::records
