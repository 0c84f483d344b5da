// A program folder with the phosphorus reference tables: crops with and
// without a tillage, a station whose drainage-model crop key carries
// decimals, curve numbers offering one, two or no conditions, delivery
// factors, nutrient sources (two fertilizers, two manures) and application
// methods, all found through TableLocations.ini.
#pragma once

#include "program_folder.h"

namespace verdalis::testing {

inline void addPhosphorusTables(ProgramFolder& folder)
{
    folder.addCompleteProgram();
    folder.addTable("CropTables", "Crops.db",
                    {"Harlwig_Crop_Name", "Crop_Code", "TillageFlag", "CN_CropID", "DrnMod_CropID"},
                    {{"Corn", "2", "1", "1", "12"}, {"Hay Mix", "5", "0", "5", "7"}, {"Wheat", "1", "1", "2", "3"},
                     {"Odd Crop", "9", "0", "9", "99"}});
    folder.addTable("CountyTables", "County_Stations.db",
                    {"County", "LKey", "DrnModCropID", "DMRO_E", "DMRO_F", "DMRO_G", "DMLch_A", "DMLch_B", "DMLch_C",
                     "DMLch_D"},
                    {{"Birch", "L1", "12.00", "10.5", "1", "0.5", "3.2", "14.5", "0.4", "1.1"},
                     {"Birch", "L1", "7", "9", "2", "0.6", "3", "12", "0.3", "1"},
                     {"Birch", "L1", "3", "8", "3", "0.7", "2", "11", "0.2", "0.9"}});
    folder.addTable("CropTables", "Curve_Number.db", {"CN_CropID", "Tillage_ID", "HC"},
                    {{"1", "1", "good"}, {"1", "1", "Fair"}, {"1", "1", "GOOD"}, {"1", "2", "poor"},
                     {"5", "0", "fair"}, {"2", "1", "good"}, {"2", "1", "poor"}});
    folder.addTable("UserTables", "NutrientSources.db",
                    {"Source_ID", "Description", "Type", "lb_P2O5", "Content_Unit", "AppUnits", "Soluble_P",
                     "NonSoluble_P", "SPAF", "NonSPAF", "Surface Applied", "Injected or Incorporated"},
                    {{"101", "Triple Superphosphate", "Fertilizer", "0", "% P2O5", "lb/ac", "0", "0", "0.4", "0", "1",
                      "1"},
                     {"102", "Starter Fertilizer", "Fertilizer", "0", "% P2O5", "lb/ac", "", "", "0.4", "", "1", "1"},
                     {"201", "Broiler Litter", "Manure", "12", "lb/ton", "tons/ac", "7.9", "18.3", "0.6", "0.15",
                      "0.8", "0.95"},
                     {"202", "Dairy Manure", "Manure", "10", "lb/ton", "tons/ac", "1.5", "2.9", "0.5", "0.15", "0.85",
                      "0.95"}});
    folder.addTable("UserTables", "AppMethod.db", {"AppID", "AppMethod", "AppFactor"},
                    {{"1", "Injected below the surface", "0.2"},
                     {"2", "Incorporated within 24 hours", "0.4"},
                     {"6", "Surface applied, not incorporated", "1"}});
    folder.writeFile("TableLocations.ini",
                     "[TableLocations]\r\nCrops.db=\\CropTables\r\nCounty_Stations.db=\\CountyTables\r\n"
                     "Curve_Number.db=\\CropTables\r\nTillage.db=\\UserTables\r\nNutrientSources.db=\\UserTables\r\n"
                     "AppMethod.db=\\UserTables\r\nPartPDelivery.db=\\UserTables\r\n"
                     "[Version Changes]\r\nVersionType=Public\r\nVersionNum=2.5\r\nVersionDate=12/10/2026\r\n");
}

} // namespace verdalis::testing
