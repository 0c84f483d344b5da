// A program folder with small county, soil, crop and tillage tables for
// the input choices: county Brackwater (VD01) with four map units, one of
// them keyed in lower case, one whose name holds ": ", one without soil
// solubility and evapotranspiration group, one sharing its key with a map
// unit of county Fenmoor (VD02); field crops, a vegetable, crops with a
// variant after "**", a crop with an empty tillage flag; tillages with a
// first "select" row and one without identifier.
#pragma once

#include "program_folder.h"

#include <string>
#include <string_view>
#include <vector>

namespace verdalis::testing {

extern const std::vector<std::string> mapUnitColumns;

// The table locations, with the map unit lookups in the folder named.
std::string locations(std::string_view mapUnitFolder = "CountyTables");

// A complete program folder with the tables above.
void addInputTables(ProgramFolder& folder);

} // namespace verdalis::testing
