// A program folder with a user table and the reference tables record
// loading looks up, and the main window on scripted services with the
// input change handlers of the other modules played by recorders: the
// county change lists the county's map units and sets its location key,
// the map unit change shows the drainage group for a drained soil.
#pragma once

#include "records/list_processing.h"
#include "shell/user_input_table.h"
#include "shell_harness.h"
#include "table_rows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace verdalis::testing {

using Columns = std::map<std::string, std::string>;

// Appends records to a table of the user table's columns, by column name.
inline void appendRecords(const std::filesystem::path& file, const std::vector<Columns>& records)
{
    Table table;
    table.open(file.parent_path(), file.filename().string());
    for (const Columns& record : records) {
        table.append();
        for (const auto& [column, value] : record) {
            table.field(column).setText(value);
        }
        table.post();
    }
}

// The records of a table file, each column by name.
inline std::vector<Columns> readRecords(const std::string& file)
{
    Table table;
    table.open(std::filesystem::path(file).parent_path(), std::filesystem::path(file).filename().string());
    std::vector<Columns> records;
    for (table.first(); !table.eof(); table.next()) {
        Columns record;
        for (size_t index = 0; index < table.fieldCount(); ++index) {
            record[table.fieldDef(index).name] = table.field(index).asText();
        }
        records.push_back(std::move(record));
    }
    return records;
}

class RecordsTest : public ::testing::Test {
protected:
    explicit RecordsTest(std::string_view folderName) : folder(folderName)
    {
        folder.addCompleteProgram();
        folder.writeFile("TableLocations.ini",
                         "[TableLocations]\r\nSoil_Mapunits.db=\\CountyTables\r\nCrops.db=\\CropTables\r\n"
                         "Tillage.db=\\UserTables\r\n"
                         "[Version Changes]\r\nVersionType=Public\r\nVersionNum=2.5\r\nVersionDate=12/10/2026\r\n");
        folder.addTable("CountyTables", "Soil_Mapunits.db", {"LKey", "MUSYM", "MUName"},
                        {{"1", "MfB", "Marlow loam"}, {"1", "TwB", "Tweed silt"}, {"2", "MfB", "Marlow loam"}});
        shell::CreateNewUserInputTable(folder.path("UserTables"), "UserInputs.dbf");
    }

    std::string userTable() const { return folder.path("UserTables/UserInputs.dbf"); }

    void start()
    {
        shell.start();
        ASSERT_TRUE(shell.form().startupComplete());
        shell.control<ui::ComboBox>("CountyBox").onChange = [this] { countyChange(); };
        shell.parts.onMapUnitChange = [this] { mapUnitChange(); };
        shell.dialogs.clearRecords();
        shell.parts.calls.clear();
    }

    records::RecordTable& records() { return *shell.windows.records; }
    Table& table() { return records().Table1(); }
    std::string boxText(std::string_view name) { return shell.control<ui::ComboBox>(name).text(); }
    std::string editText(std::string_view name) { return shell.control<ui::Edit>(name).text(); }
    bool click(std::string_view button) { return shell.control<ui::Button>(button).userClick(); }

    // The changes that were of the map unit.
    std::vector<std::string> mapUnitChanges() const
    {
        std::vector<std::string> mapUnits;
        std::ranges::copy_if(changes, std::back_inserter(mapUnits),
                             [](const std::string& change) { return change.starts_with("map unit"); });
        return mapUnits;
    }

    std::vector<std::string> changes;
    ProgramFolder folder;
    ShellHarness shell{folder.executable()};

private:
    void countyChange()
    {
        const std::string county = boxText("CountyBox");
        changes.push_back("county " + county);
        auto& mapUnits = shell.control<ui::ComboBox>("SoilMapUnitBox");
        mapUnits.clearItems();
        mapUnits.addItems({"MfB: Marlow loam", "TwB: Tweed silt"});
        shell.form().record.county.LKey = county == "Birch" ? "1" : "2";
    }
    void mapUnitChange()
    {
        changes.push_back("map unit " + boxText("SoilMapUnitBox"));
        if (boxText("SoilMapUnitBox").starts_with("TwB")) {
            shell.control<ui::GroupBox>("DrainageGB").show();
        }
    }
};

} // namespace verdalis::testing
