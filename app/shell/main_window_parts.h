// What the main window asks of the parts of the program that live in their
// own modules (the nutrient and BMP dialogs, the input lookups, the two
// methods, the record table, the update module). The main window calls
// them at the moments its start-up, reset, calculation and closing rules
// name; each module provides the real one, tests provide recorders.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verdalis::shell {

class NutrientDialogPart {
public:
    virtual ~NutrientDialogPart() = default;
    // Every crop name of the crop table, in table order; empty (after an
    // error message) when the table is missing.
    virtual std::vector<std::string> cropNames() = 0;
    // Deletes the dialog's working tables.
    virtual void deleteTables() = 0;
};

class BmpDialogPart {
public:
    virtual ~BmpDialogPart() = default;
    virtual void resetBMPInfo() = 0;
};

// The change handlers of the county, map unit, crop and tillage boxes, run
// as if the user chose the same entry again.
class InputChangePart {
public:
    virtual ~InputChangePart() = default;
    virtual void soilMapUnitBoxChange() = 0;
    virtual void cropBoxChange() = 0;
    virtual void cropBox2Change() = 0;
};

class CalculationMethodsPart {
public:
    virtual ~CalculationMethodsPart() = default;
    virtual void calculateZorv() = 0;
    virtual void calculateTamb() = 0;
};

// The results report the methods append to and the report dialog shows.
class ResultsReportPart {
public:
    virtual ~ResultsReportPart() = default;
    virtual void clear() = 0;
    virtual void addLine(const std::string& text) = 0;
};

// The user table held open for the whole run and shown in the record grid.
class RecordTablePart {
public:
    virtual ~RecordTablePart() = default;
    // Opens the table at UserTablePath in the grid without loading a record.
    virtual void openATable() = 0;
    virtual void closeTable() = 0;
    // The text of a column of the current record; empty without an open
    // table, a current record or such a column.
    virtual std::string currentRecordField(std::string_view column) = 0;
};

class UpdatePart {
public:
    virtual ~UpdatePart() = default;
    // The forced-download switch off, the second download switch on.
    virtual void initialiseSwitches() = 0;
    // The date of the last automatic check, as short date text.
    virtual std::string readLastCheckDate() = 0;
    virtual void checkForUpdates() = 0;
    // Ends the connection to the update server.
    virtual void disconnect() = 0;
};

struct MainWindowParts {
    NutrientDialogPart& nutrients;
    BmpDialogPart& bmps;
    InputChangePart& inputChanges;
    CalculationMethodsPart& methods;
    ResultsReportPart& report;
    RecordTablePart& recordTable;
    UpdatePart& updates;
};

} // namespace verdalis::shell
