#include "sample_records.h"

#include "tables/csv_reader.h"
#include "tables/table.h"
#include "util/number_text.h"
#include "util/text_case.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace verdalis::testing {

namespace fs = std::filesystem;

namespace {

std::vector<CsvRow> readCsv(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    const std::string text = content.str();
    CsvReader reader(text, path.string());
    std::vector<std::string> header;
    std::vector<std::string> fields;
    std::vector<CsvRow> rows;
    reader.next(header);
    while (reader.next(fields)) {
        CsvRow row;
        for (size_t i = 0; i < header.size() && i < fields.size(); ++i) {
            row[header[i]] = fields[i];
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

fs::path dataDir()
{
    const char* source = std::getenv("VERDALIS_SOURCE_DIR");
    return (source != nullptr ? fs::path(source) : fs::current_path()) / "data";
}

std::vector<std::string> commaItems(const std::string& text)
{
    std::vector<std::string> items;
    std::stringstream stream(text);
    for (std::string item; std::getline(stream, item, ',');) {
        items.push_back(item);
    }
    return items;
}

float savedNumber(const std::string& text)
{
    return text.empty() || text == "-1" ? shell::nutrientNotEntered : static_cast<float>(textToNumber(text));
}

// The hydrologic conditions the curve number table offers for the crop and
// tillage, as the tillage change finds them.
std::set<std::string> offeredConditions(const std::string& cropId, const std::string& tillageId)
{
    Table table;
    table.setReadOnly(true);
    table.open(fs::path(bundledTables().dir()) / "CropTables", "Curve_Number.db");
    std::set<std::string> offered;
    for (table.first(); !table.eof(); table.next()) {
        if (table.field("CN_CropID").asText() == cropId && table.field("Tillage_ID").asText() == tillageId) {
            offered.insert(toLowerAscii(table.field("HC").asText()));
        }
    }
    return offered;
}

class SampleLoader {
public:
    SampleLoader(shell::TForm1& form, const TableLookups& lookups, const CsvRow& record)
        : form_(form), lookups_(lookups), saved_(record)
    {
    }

    void load()
    {
        shell::AssessmentRecord& record = form_.record;
        record.calculationType =
            saved("ModeType") == "Tamb" ? shell::CalculationType::Tamb : shell::CalculationType::ZorvAndTamb;
        choose(form_, "CroppingYearBox", saved("CalendarYR"));
        setEdit(form_, "ProducerIDBox", saved("PRODUCERID"));
        setEdit(form_, "TractNumBox", saved("TRACTNUM"));
        setEdit(form_, "FieldNumBox", saved("FIELDNUM"));
        county();
        mapUnit();
        crop();
        soil();
        water();
        bmps();
        sources();
    }

private:
    const std::string& saved(const std::string& column) const { return saved_.at(column); }
    std::string value(std::string_view table, std::string_view column, std::string_view key1, std::string_view value1,
                      std::string_view key2 = {}, std::string_view value2 = {})
    {
        return lookups_.GetTableValue(table, column, key1, value1, key2, value2);
    }

    void county()
    {
        choose(form_, "CountyBox", saved("County"));
        shell::CountyValues& county = form_.record.county;
        county.LKey = value("County_Stations.db", "LKey", "County", saved("County"));
        county.AnnPPT = value("County_Stations.db", "AnnPPT", "LKey", county.LKey);
        county.CN_RO_Slope = value("County_Stations.db", "CN_RO_Slope", "LKey", county.LKey);
        county.CN_RO_ExpFact = value("County_Stations.db", "CN_RO_ExpFact", "LKey", county.LKey);
    }

    void mapUnit()
    {
        const std::string& entry = saved("MappingUnt");
        choose(form_, "SoilMapUnitBox", entry);
        shell::MapUnitValues& unit = form_.record.mapUnit;
        unit.MUKey = value("Soil_Mapunits.db", "MUKey", "MUNAME", entry.substr(entry.find(": ") + 2), "LKey",
                           form_.record.county.LKey);
        for (auto [field, column] :
             {std::pair{&shell::MapUnitValues::MUSYM, "MUSYM"}, {&shell::MapUnitValues::DrainageFlag, "DrainageFlag"},
              {&shell::MapUnitValues::Percent_Clay, "Percent_Clay"}, {&shell::MapUnitValues::P_Threshold, "P_Threshold"},
              {&shell::MapUnitValues::WV_Factor, "WV_Factor"}, {&shell::MapUnitValues::FePFactor, "FePFactor"},
              {&shell::MapUnitValues::TP_Minus_12, "TP_Minus_12"}, {&shell::MapUnitValues::T30_Over_TP, "T30_Over_TP"},
              {&shell::MapUnitValues::Surf_SolPEqNo, "Surf_SolPEqNo"},
              {&shell::MapUnitValues::SubSoil_SolPEqNo, "SubSoil_SolPEqNo"},
              {&shell::MapUnitValues::SubsoilSample, "SubsoilSample"}, {&shell::MapUnitValues::ETSoilGrp, "ETSoilGrp"}}) {
            unit.*field = value("Soil_Mapunits.db", column, "MUKey", unit.MUKey);
        }
        if (unit.WV_Factor.empty()) {
            unit.WV_Factor = "1";
        }
        unit.Sur_CurveSlope = value("Surface_SolPEq.db", "Sur_CurveSlope", "SurfaceSolPID", unit.Surf_SolPEqNo);
        unit.Subsur_CurveSlope = value("Subsoil_SolPEq.db", "Subsur_CurveSlope", "SubsoilSolP_ID", unit.SubSoil_SolPEqNo);
    }

    void crop()
    {
        const std::string& cropText = saved("CROP_Tamb");
        choose(form_, "CropBox2", cropText);
        const std::string name = cropText.substr(0, cropText.find("**"));
        shell::TambCropValues& crop = form_.record.tambCrop;
        crop.CN_CropID = value("Crops.db", "CN_CropID", "Harlwig_Crop_Name", name);
        crop.DrnMod_CropID = value("Crops.db", "DrnMod_CropID", "Harlwig_Crop_Name", name);
        crop.TillageFlag = value("Crops.db", "TillageFlag", "Harlwig_Crop_Name", name);
        for (auto [field, column] :
             {std::pair{&shell::TambCropValues::DMRO_E, "DMRO_E"}, {&shell::TambCropValues::DMRO_F, "DMRO_F"},
              {&shell::TambCropValues::DMRO_G, "DMRO_G"}, {&shell::TambCropValues::DMLch_A, "DMLch_A"},
              {&shell::TambCropValues::DMLch_B, "DMLch_B"}, {&shell::TambCropValues::DMLch_C, "DMLch_C"},
              {&shell::TambCropValues::DMLch_D, "DMLch_D"}}) {
            crop.*field = value("County_Stations.db", column, "LKey", form_.record.county.LKey, "DrnModCropID",
                                crop.DrnMod_CropID);
        }
        auto& tillage = form_.control<ui::ComboBox>("TillageCBNew");
        std::string& tillageId = form_.values.Tillage_ID;
        if (crop.TillageFlag == "1") {
            choose(form_, "TillageCBNew", saved("Tillage"));
            tillage.show();
            tillageId = value("Tillage.db", "Tillage_ID", "Tillage", saved("Tillage"));
        } else {
            tillage.setItemIndex(ui::noItem);
            tillage.hide();
            tillageId = "0";
        }
        const std::string lowerCrop = toLowerAscii(cropText);
        const bool shallow = tillageId == "0" || tillageId == "2" || tillageId == "3"
                             || lowerCrop.find("hay") != std::string::npos
                             || lowerCrop.find("pasture") != std::string::npos;
        form_.control<ui::Label>("zeroTo8LBL1").setCaption(shallow ? "0\" - 4\"" : "0\" - 8\"");
    }

    void soil()
    {
        setEdit(form_, "SoilLossED", saved("Soil_Loss"));
        choose(form_, "RecSlopeDistCB", saved("RecSlopeDi"));
        form_.record.hydrology.PartPDelFact =
            value("PartPDelivery.db", "PartPDelFact", "RecSlopeDist", saved("RecSlopeDi"));
        setEdit(form_, "SoilTestP1ED", saved("PI_Surface"));
        setEdit(form_, "WVRED1", saved("WVRSurface"));
        // The subsoil is asked for where the surface reaches the threshold
        // and the map unit wants a sample.
        const shell::MapUnitValues& unit = form_.record.mapUnit;
        const std::string& factor = saved("WVRSurface").empty() ? unit.WV_Factor : saved("WVRSurface");
        const double m3p = textToNumber(saved("PI_Surface")) * 1.2 / textToNumber(factor);
        const bool subsoil = !unit.P_Threshold.empty() && equalsIgnoringCase(unit.SubsoilSample, "Y")
                             && !(textToNumber(unit.P_Threshold) > m3p);
        setEdit(form_, "SoilTestP2ED", saved("PI_Subsoil"), subsoil);
        setEdit(form_, "WVRED2", saved("WVRSubsoil"), subsoil);
        form_.control<ui::Label>("twentyeightTo32LBL1").setVisible(subsoil);
    }

    void water()
    {
        const bool drained = form_.record.mapUnit.DrainageFlag == "1";
        form_.control<ui::GroupBox>("DrainageGB").setVisible(drained);
        const bool drainageSystem = drained && equalsIgnoringCase(saved("DrainSystm"), "yes");
        if (drained) {
            form_.control<ui::RadioButton>(drainageSystem ? "RD_Yes" : "RD_No").setChecked(true);
        }
        setEdit(form_, "DrainageSpacingED", saved("DrainSpacg"), drainageSystem);
        setEdit(form_, "DrainageDepthED", saved("DrainDepth"), drainageSystem);
        auto& conditions = form_.control<ui::GroupBox>("HydroGB");
        conditions.setVisible(!drainageSystem);
        if (drainageSystem) {
            return;
        }
        const std::set<std::string> offered =
            offeredConditions(form_.record.tambCrop.CN_CropID, form_.values.Tillage_ID);
        const std::string chosen = offered.size() == 1 ? *offered.begin() : toLowerAscii(saved("HydroCond"));
        for (auto [button, condition] : {std::pair{"HCGood", "good"}, {"HCFair", "fair"}, {"HCPoor", "poor"}}) {
            form_.control<ui::RadioButton>(button).setVisible(offered.contains(condition));
            if (chosen == condition) {
                form_.control<ui::RadioButton>(button).setChecked(true);
            }
        }
        form_.record.hydrology.HC = chosen;
    }

    void bmps()
    {
        shell::BmpValues& bmp = form_.record.bmp;
        const std::vector<std::string> ids = commaItems(saved("BMPS"));
        const std::vector<std::string> widths = commaItems(saved("BMPWidths"));
        for (size_t i = 0; i < ids.size(); ++i) {
            const std::string name = value("BMP_List.db", "BMP Description", "BMP_ID", ids[i]);
            const std::string width = widths.at(i) == "-1" ? std::string{} : widths.at(i);
            bmp.BMPList.push_back(name + "=" + ids[i]);
            bmp.BMPTypeList.push_back(name + "=" + value("BMP_List.db", "BMP_Type", "BMP_ID", ids[i]));
            bmp.BMPWidthList.push_back(name + "=" + width);
            if (value("BMP_List.db", "Need Width", "BMP_ID", ids[i]) == "1" && !width.empty()) {
                bmp.TotalBufferWidth += textToInteger(width);
            }
        }
        bmp.BMPCount = static_cast<int>(ids.size());
    }

    void sources()
    {
        shell::NutrientSummary& nutrients = form_.record.nutrients;
        const std::vector<std::string> ids = commaItems(saved("NutrientID"));
        const std::vector<std::string> amounts = commaItems(saved("NutrientLB"));
        const std::vector<std::string> pounds = commaItems(saved("ManureP2O5"));
        const std::vector<std::string> percents = commaItems(saved("Pct_P2O5"));
        const std::vector<std::string> methods = commaItems(saved("AppMethod"));
        for (size_t i = 0; i < ids.size(); ++i) {
            shell::NutrientSource source;
            source.name = value("NutrientSources.db", "Description", "Source_ID", ids[i]);
            source.appliedAmount = savedNumber(amounts.at(i));
            source.pctP2O5 = savedNumber(percents.at(i));
            // The grid starts each row with the table's pounds.
            const std::string tableLb = value("NutrientSources.db", "lb_P2O5", "Source_ID", ids[i]);
            source.lbP2O5 = pounds.at(i) == "-1" ? static_cast<float>(textToNumber(tableLb)) : savedNumber(pounds.at(i));
            source.appMethodId = methods.at(i);
            source.appFactor = static_cast<float>(textToNumber(value("AppMethod.db", "AppFactor", "AppID", methods[i])));
            // A manure analysis is raised by the share the method leaves.
            if (value("NutrientSources.db", "Type", "Source_ID", ids[i]) == "Manure"
                && source.lbP2O5 != static_cast<float>(textToNumber(tableLb))) {
                const double kept = textToNumber(value("NutrientSources.db",
                                                       methods[i] == "6" ? "Surface Applied" : "Injected or Incorporated",
                                                       "Source_ID", ids[i]));
                source.lbP2O5 = static_cast<float>((2 - kept) * source.lbP2O5);
            }
            nutrients.sources.push_back(source);
        }
        nutrients.count = static_cast<int>(nutrients.sources.size());
    }

    shell::TForm1& form_;
    const TableLookups& lookups_;
    const CsvRow& saved_;
};

} // namespace

std::vector<CsvRow> bundledSampleRecords()
{
    return readCsv(dataDir() / "tables" / "UserTables" / "UserInputs.dbf.csv");
}

std::vector<CsvRow> bundledSampleClasses()
{
    return readCsv(dataDir() / "samples" / "UserInputs.expected.csv");
}

void loadSample(shell::TForm1& form, const TableLookups& lookups, const CsvRow& record)
{
    SampleLoader(form, lookups, record).load();
}

} // namespace verdalis::testing
