// The generic lookups of reference tables: where a table lives according to
// TableLocations.ini, one column of the first record that matches up to three
// keys, and the crop's nitrogen use efficiency.
//
// Failures are values: a lookup that fails returns "error" (or the documented
// default number) after reporting, and never raises to its caller.
#pragma once

#include "tables/program_dirs.h"
#include "ui/batch_state.h"
#include "ui/dialogs.h"

#include <string>
#include <string_view>

namespace verdalis {

inline constexpr std::string_view kLookupError = "error";

class TableLookups {
public:
    TableLookups(const ProgramDirs& dirs, ui::Dialogs& dialogs, ui::BatchState& batch)
        : dirs_(dirs), dialogs_(dialogs), batch_(batch)
    {
    }

    // The table's full path, or "error": silently when TableLocations.ini is
    // missing, with an error dialog (also in a batch run) when the file is
    // not where the settings say.
    std::string GetTableLocation(std::string_view tableName) const;

    // The text of `column` in the first record whose key fields equal the key
    // values (ignoring case), or "error". Key fields 2 and 3 are optional
    // (empty). A missing settings file or table is always shown; a missing
    // record or column is shown when showMessages is set, and collected as
    // the batch message while a batch runs.
    std::string GetTableValue(std::string_view table, std::string_view column, std::string_view keyField1,
                              std::string_view keyValue1, std::string_view keyField2 = {},
                              std::string_view keyValue2 = {}, std::string_view keyField3 = {},
                              std::string_view keyValue3 = {}, bool showMessages = true) const;

    // The crop's nitrogen use efficiency as a fraction. Corn takes a fixed
    // value by the county's physiographic province; every other crop reads
    // NUE (a percentage) of its Crops.db record found by `zorvCropCode`,
    // with 0 and a warning when that is missing.
    float GetCropNUE(std::string_view cropName, std::string_view soilManagementGroup, std::string_view county,
                     std::string_view zorvTillageId, std::string_view zorvCropCode) const;

private:
    // ProgramDir + the stored folder + "/" + table name, as the settings
    // file has it; `folder` receives ProgramDir + the stored folder.
    std::string configuredPath(std::string_view tableName, std::string& folder) const;
    float cornNUE(std::string_view soilManagementGroup, std::string_view county,
                  std::string_view zorvTillageId) const;

    const ProgramDirs& dirs_;
    ui::Dialogs& dialogs_;
    ui::BatchState& batch_;
};

} // namespace verdalis
