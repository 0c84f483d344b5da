// A program folder with a user table and the reference tables the input
// change handlers and record loading read: county Birch (key 1) with the
// undrained map unit MfB and the drained TwB, county Alder (key 2) with MfB;
// the crops Wheat, Corn and Alfalfa without tillage, each with its curve
// numbers and drainage coefficients; a buffer and a strip cropping BMP. The main window runs its real change
// handlers, which the fixture observes in `changes`.
#pragma once

#include "records/list_processing.h"
#include "shell/user_input_table.h"
#include "input_tables.h"
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
                         "[TableLocations]\r\nCounty_Stations.db=\\CountyTables\r\nSoil_Mapunits.db=\\CountyTables\r\n"
                         "Surface_SolPEq.db=\\CountyTables\r\nSubsoil_SolPEq.db=\\CountyTables\r\n"
                         "Crops.db=\\CropTables\r\nCurve_Number.db=\\CropTables\r\nTillage.db=\\UserTables\r\n"
                         "BMP_List.db=\\BMPrelated\r\n"
                         "[Version Changes]\r\nVersionType=Public\r\nVersionNum=2.5\r\nVersionDate=12/10/2026\r\n");
        const std::vector<std::string> coefficients{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7"};
        std::vector<std::vector<std::string>> stations;
        for (const auto& [county, locationKey] : {std::pair{"Birch", "1"}, std::pair{"Alder", "2"}}) {
            for (const char* drainageCrop : {"1", "2"}) {
                std::vector<std::string> row{county, locationKey, "40", "0.06", "0.06", drainageCrop};
                row.insert(row.end(), coefficients.begin(), coefficients.end());
                stations.push_back(std::move(row));
            }
        }
        folder.addTable("CountyTables", "County_Stations.db",
                        {"County", "LKey", "AnnPPT", "CN_RO_Slope", "CN_RO_ExpFact", "DrnModCropID", "DMRO_E",
                         "DMRO_F", "DMRO_G", "DMLch_A", "DMLch_B", "DMLch_C", "DMLch_D"},
                        stations);
        folder.addTable("CountyTables", "Soil_Mapunits.db", mapUnitColumns,
                        {{"1", "MfB", "Marlow loam", "1001", "6", "0", "13", "75", "1.25", "0.9", "1.2", "0.45", "2",
                          "2", "Y", "2"},
                         {"1", "TwB", "Tweed silt", "1002", "7", "1", "22", "90", "1", "0.9", "0.9", "0.35", "2", "2",
                          "N", "3"},
                         {"2", "MfB", "Marlow loam", "2001", "6", "0", "13", "75", "1.25", "0.9", "1.2", "0.45", "2",
                          "2", "Y", "2"}});
        folder.addTable("CountyTables", "Surface_SolPEq.db", {"SurfaceSolPID", "Sur_CurveSlope"}, {{"2", "0.0055"}});
        folder.addTable("CountyTables", "Subsoil_SolPEq.db", {"SubsoilSolP_ID", "Subsur_CurveSlope"},
                        {{"2", "0.0045"}});
        folder.addTable("CropTables", "Crops.db",
                        {"Harlwig_Crop_Name", "Crop_Code", "TillageFlag", "CropType", "CN_CropID", "DrnMod_CropID"},
                        {{"Wheat", "1", "0", "Field Crop", "5", "2"},
                         {"Corn", "2", "0", "Field Crop", "1", "1"},
                         {"Alfalfa", "3", "0", "Hay", "2", "2"}});
        folder.addTable("CropTables", "Curve_Number.db", {"CN_CropID", "Tillage_ID", "HC"},
                        {{"5", "0", "good"}, {"5", "0", "fair"}, {"5", "0", "poor"}, {"1", "0", "good"},
                         {"2", "0", "good"}});
        folder.addTable("BMPrelated", "BMP_List.db", {"BMP Description", "BMP_ID", "BMP_Type", "Need Width"},
                        {{"Grass Filter Strip", "1", "Buffer", "1"}, {"Contour Strip Cropping", "4", "Erosion Control", "0"}});
        shell::CreateNewUserInputTable(folder.path("UserTables"), "UserInputs.dbf");
    }

    std::string userTable() const { return folder.path("UserTables/UserInputs.dbf"); }

    void start()
    {
        shell.start();
        ASSERT_TRUE(shell.form().startupComplete());
        observeChanges("CountyBox", "county ");
        observeChanges("SoilMapUnitBox", "map unit ");
        observeChanges("CropBox", "crop ");
        observeChanges("CropBox2", "phosphorus crop ");
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

    // Notes each change of the box with its entry, then runs the box's own
    // handler.
    void observeChanges(std::string_view boxName, std::string note)
    {
        auto& box = shell.control<ui::ComboBox>(boxName);
        box.onChange = [this, &box, note = std::move(note), handler = box.onChange] {
            changes.push_back(note + box.text());
            if (handler) {
                handler();
            }
        };
    }
};

} // namespace verdalis::testing
