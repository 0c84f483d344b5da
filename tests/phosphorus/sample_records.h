// The sample assessments of the bundled user table and the result classes
// they are built to reach, and a way to put one into the main window's
// inputs the way choosing its values there would: every derived value is
// read from the bundled tables.
#pragma once

#include "tamb_fixture.h"

#include <map>
#include <string>
#include <vector>

namespace verdalis::testing {

// One row of a CSV, by column name.
using CsvRow = std::map<std::string, std::string>;

// data/tables/UserTables/UserInputs.dbf.csv and data/samples/UserInputs.expected.csv.
std::vector<CsvRow> bundledSampleRecords();
std::vector<CsvRow> bundledSampleClasses();

// The phosphorus inputs of a saved record: identification, county, map unit,
// most erosive crop and tillage, soil, drainage or hydrologic condition,
// BMPs and nutrient sources.
void loadSample(shell::TForm1& form, const TableLookups& lookups, const CsvRow& record);

} // namespace verdalis::testing
