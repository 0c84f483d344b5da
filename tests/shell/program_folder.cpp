#include "program_folder.h"

#include "tables/table_build.h"

#include <cstdlib>
#include <fstream>

#include <unistd.h>

namespace verdalis::testing {

namespace fs = std::filesystem;

namespace {

fs::path foldersRoot()
{
    const char* binary = std::getenv("VERDALIS_BINARY_DIR");
    return fs::path(binary != nullptr ? binary : fs::temp_directory_path().string()) / "test-program-folders";
}

} // namespace

ProgramFolder::ProgramFolder(std::string_view name)
{
    // Test programs run side by side: each process gets folders of its own.
    const fs::path path = foldersRoot() / std::to_string(::getpid()) / name;
    fs::remove_all(path);
    fs::create_directories(path);
    dir_ = path.string();
}

ProgramFolder::~ProgramFolder()
{
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
    fs::remove(fs::path(dir_).parent_path(), ignored); // only when no other folder of this process is left
}

void ProgramFolder::addTable(std::string_view subdirectory, std::string_view name,
                             const std::vector<std::string>& columns, const Rows& rows)
{
    // The table builder writes the table once, where a post per row would
    // write it once a row.
    auto csvLine = [](const std::vector<std::string>& cells) {
        std::string line;
        for (const std::string& cell : cells) {
            line += (line.empty() ? "\"" : ",\"") + cell + "\"";
        }
        return line + "\n";
    };
    std::string schema = "name,type,size,required\n";
    for (const std::string& column : columns) {
        schema += column + ",text,60,0\n";
    }
    std::string data = csvLine(columns);
    for (const auto& row : rows) {
        data += csvLine(row);
    }
    const fs::path scratch = fs::path(dir_) / "table-sources";
    writeFile("table-sources/schema.csv", schema);
    writeFile("table-sources/data.csv", data);
    const fs::path folder = fs::path(dir_) / subdirectory;
    fs::create_directories(folder);
    buildTable(scratch / "schema.csv", scratch / "data.csv", folder / name);
    fs::remove_all(scratch);
}

void ProgramFolder::writeFile(std::string_view relative, std::string_view content)
{
    const fs::path file = fs::path(dir_) / relative;
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

void ProgramFolder::removeFile(std::string_view relative)
{
    fs::remove(fs::path(dir_) / relative);
}

bool ProgramFolder::exists(std::string_view relative) const
{
    return fs::exists(fs::path(dir_) / relative);
}

void ProgramFolder::addCompleteProgram()
{
    addTable("CropTables", "Crops.db", {"Harlwig_Crop_Name", "Crop_Code"},
             {{"Wheat", "1"}, {"Corn", "2"}, {"Alfalfa", "3"}});
    addTable("CropTables", "CoverCropTable.dbf", {"Crop"}, {{"Rye"}, {"Oats"}});
    addTable("UserTables", "PartPDelivery.db", {"RecSlopeDist", "PartPDelFact"}, {{"0-100", "1"}, {"100-300", "0.8"}});
    addTable("CountyTables", "County_Stations.db", {"County", "LKey"},
             {{"Birch", "1"}, {"Alder", "2"}, {"ALDER", "3"}, {"Unknown", "4"}, {"Birch", "5"}});
    addTable("UserTables", "Tillage.db", {"Tillage", "Tillage_ID"},
             {{"-- Select a Tillage --", "0"}, {"Conventional Tillage", "1"}, {"No Till", "2"}});
    writeFile("TableLocations.ini",
              "[Version Changes]\r\nVersionType=Public\r\nVersionNum=2.5\r\nVersionDate=12/10/2026\r\n");
    writeFile("AutoCheckSettings.ini", "[Download Settings]\r\nAutoCheckForUpdates=false\r\n");
    writeFile("CREDITS_Verdalis.rtf", "{\\rtf1\\ansi Credits of the program\\par}");
    writeFile("SubWatersheds.rtf", "{\\rtf1\\ansi Impaired subwatersheds\\par}");
    writeFile("Verdalis_ListOfChanges.rtf", "{\\rtf1\\ansi Version history\\par}");
    writeFile("Verdalis_Manual_ond.rtf",
              "{\\rtf1\\ansi Manual ond\\par Calculating Surface and Subsurface Water Losses for Tamb: Drainage and "
              "Hydrologic Condition\\par Some words\\par Drainage (Tamb only)\\par More words\\par}");
}

} // namespace verdalis::testing
