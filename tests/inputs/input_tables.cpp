#include "input_tables.h"

namespace verdalis::testing {

const std::vector<std::string> mapUnitColumns{
    "LKey", "MUSYM", "MUNAME", "MUKey", "SMG", "DrainageFlag", "Percent_Clay", "P_Threshold", "WV_Factor",
    "FePFactor", "TP_Minus_12", "T30_Over_TP", "Surf_SolPEqNo", "SubSoil_SolPEqNo", "SubsoilSample", "ETSoilGrp"};

std::string locations(std::string_view mapUnitFolder)
{
    return "[TableLocations]\r\n"
           "County_Stations.db=\\CountyTables\r\n"
           "Soil_Mapunits.db=\\" + std::string(mapUnitFolder) + "\r\n"
           "Surface_SolPEq.db=\\CountyTables\r\n"
           "Subsoil_SolPEq.db=\\CountyTables\r\n"
           "Crops.db=\\CropTables\r\n"
           "Tillage.db=\\UserTables\r\n"
           "[Version Changes]\r\nVersionNum=2.5\r\nVersionDate=12/10/2026\r\n";
}

void addInputTables(ProgramFolder& folder)
{
    folder.addCompleteProgram();
    folder.addTable("CountyTables", "County_Stations.db", {"County", "LKey", "AnnPPT", "CN_RO_Slope", "CN_RO_ExpFact"},
                    {{"Brackwater", "VD01", "50.2", "0.0596", "0.06"},
                     {"Fenmoor", "VD02", "44", "0.05", "0.07"}});
    folder.addTable(
        "CountyTables", "Soil_Mapunits.db", mapUnitColumns,
        {// The county's map units carry its key in either letter case.
         {"vd01", "TwA", "Tidewell loam", "401001", "6", "1", "13", "75", "1.25", "0.9", "1.2", "0.45", "2", "2", "Y",
          "2"},
         {"VD01", "BwA", "Brackwater silt: flooded", "401003", "7", "0", "22", "90", "", "0.9", "0.9", "0.35", "2", "2",
          "N", "3"},
         {"VD01", "FmA", "Fenmire muck", "401004", "27", "1", "18", "60", "0.85", "1", "1.4", "0.3", "", "2", "Y", ""},
         {"VD02", "DupA", "Dup first", "500", "3", "1", "10", "50", "1", "1", "1", "0.2", "2", "2", "Y", "1"},
         {"VD01", "DupB", "Dup second", "500", "4", "0", "11", "51", "1", "1", "1", "0.2", "2", "2", "Y", "1"}});
    folder.addTable("CountyTables", "Surface_SolPEq.db", {"SurfaceSolPID", "Sur_CurveSlope"}, {{"2", "0.0055"}});
    folder.addTable("CountyTables", "Subsoil_SolPEq.db", {"SubsoilSolP_ID", "Subsur_CurveSlope"}, {{"2", "0.0045"}});
    folder.addTable("CropTables", "Crops.db", {"Harlwig_Crop_Name", "Crop_Code", "TillageFlag", "CropType"},
                    {{"Corn", "11", "1", "Field Crop"},
                     {"Fescue Hay", "22", "0", "Hay"},
                     {"Fescue Hay**Pasture", "23", "0", "Pasture"},
                     {"Sweet Corn", "31", "1", "vegetable"},
                     {"Ghost**Variant", "41", "0", "Hay"},
                     {"Odd", "40", "", "Field Crop"}});
    folder.addTable("UserTables", "Tillage.db", {"Tillage", "Tillage_ID"},
                    {{"-- Select a Tillage --", "0"}, {"Conventional Tillage", "1"}, {"No-Till", "2"}, {"Broken", ""}});
    folder.writeFile("TableLocations.ini", locations());
}

} // namespace verdalis::testing
