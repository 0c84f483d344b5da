// The county and map unit choices: the county starts a new assessment and
// lists its soil map units; the map unit fills the soil values both methods
// read.
#include "inputs/input_changes.h"

#include "inputs/input_texts.h"
#include "tables/table.h"
#include "util/case_insensitive_path.h"
#include "util/number_text.h"

#include <filesystem>

namespace verdalis::inputs {

namespace {

namespace fs = std::filesystem;

inline constexpr std::string_view countyTable = "County_Stations.db";
inline constexpr std::string_view mapUnitTable = "Soil_Mapunits.db";
// The map unit list shows the symbol and the name joined by this.
inline constexpr std::string_view symbolSeparator = ": ";
inline constexpr int logFontHalfPoints = 20; // 10 pt

const char* const surfaceSoilTestControls[] = {"SoilTestP1lbl",        "SoilTestP1ED", "zeroTo8LBL1",
                                               "WeightVolumeRatioLBL", "WVRED1",       "ZeroTo8LBL2"};

// A filter value in quotes, with a quote inside it written twice.
std::string quotedFilterValue(std::string_view value)
{
    std::string quoted = "'";
    for (char c : value) {
        quoted += c;
        if (c == '\'') {
            quoted += '\'';
        }
    }
    return quoted + "'";
}

// The map unit name of a list entry: the text from the second character
// after the first colon, so a name that holds ": " itself stays whole.
std::string mapUnitNameOf(std::string_view entry)
{
    const size_t colon = entry.find(':');
    const size_t start = colon == std::string_view::npos ? 1 : colon + 2;
    return start < entry.size() ? std::string(entry.substr(start)) : std::string();
}

bool runsTamb(shell::CalculationType type)
{
    return type == shell::CalculationType::Tamb || type == shell::CalculationType::ZorvAndTamb;
}

// A tillage flag that reads as the whole number 0. An empty flag belongs to
// a crop whose lookups have not run (no phosphorus crop in a nitrogen-only
// record, say): there is no tillage to follow, and no number to convert.
bool asksForNoTillage(const std::string& flag)
{
    return !flag.empty() && textToInteger(flag) == 0;
}

} // namespace

void InputChanges::CountyBoxChange()
{
    const std::string county = form_.control<ui::ComboBox>("CountyBox").text();
    if (!county.empty()) {
        reloadSMGTable(county);
    }
}

bool InputChanges::reloadSMGTable(const std::string& county)
{
    form_.ResetAllValues(true, true);
    form_.control<ui::ComboBox>("SoilMapUnitBox").clearItems();

    shell::CountyValues& values = form_.record.county;
    values.LKey = lookups_.GetTableValue(countyTable, "LKey", "County", county);
    values.AnnPPT = lookups_.GetTableValue(countyTable, "AnnPPT", "LKey", values.LKey);
    values.CN_RO_Slope = lookups_.GetTableValue(countyTable, "CN_RO_Slope", "LKey", values.LKey);
    values.CN_RO_ExpFact = lookups_.GetTableValue(countyTable, "CN_RO_ExpFact", "LKey", values.LKey);
    listMapUnits(values.LKey);
    return true;
}

void InputChanges::listMapUnits(const std::string& locationKey)
{
    Table mapUnits;
    mapUnits.setFilter("LKey = " + quotedFilterValue(locationKey));
    const ui::HourglassCursor busy(application_);
    mapUnits.open(form_.values.CountyTablesDir, mapUnitTable, TableType::Paradox);
    std::vector<std::string> entries;
    for (mapUnits.first(); !mapUnits.eof(); mapUnits.next()) {
        entries.push_back(mapUnits.field("MUSYM").asText() + std::string(symbolSeparator) +
                          mapUnits.field("MUNAME").asText());
    }
    form_.control<ui::ComboBox>("SoilMapUnitBox").addItems(entries);
}

void InputChanges::SoilMapUnitboxChange()
{
    const std::string entry = form_.control<ui::ComboBox>("SoilMapUnitBox").text();
    if (entry.empty()) {
        return;
    }
    form_.ResetZorvCalculationOutputs();
    form_.ResetTambCalculationOutputs();
    emptyCalculationLog();
    const shell::CalculationType type = form_.record.calculationType;
    showSurfaceSoilTest(runsTamb(type));

    const std::string name = mapUnitNameOf(entry);
    const std::string& locationKey = form_.record.county.LKey;
    shell::MapUnitValues& mapUnit = form_.record.mapUnit;
    mapUnit.MUKey = lookups_.GetTableValue(mapUnitTable, "MUKey", "MuName", name, "LKey", locationKey);
    if (mapUnit.MUKey == kLookupError) {
        batch_.report(dialogs_, texts::mapUnitKeyMissing);
        return;
    }
    mapUnit.MUSYM = lookups_.GetTableValue(mapUnitTable, "MUSYM", "MuName", name, "LKey", locationKey);
    if (mapUnit.MUSYM != lookups_.GetTableValue(mapUnitTable, "MUSYM", "MuKey", mapUnit.MUKey)) {
        dialogs_.showMessage(texts::mapUnitSymbolsDiffer);
    }
    if (!readMapUnitProperties()) {
        return;
    }
    mapUnit.Sur_CurveSlope =
        lookups_.GetTableValue("Surface_SolPEq.db", "Sur_CurveSlope", "SurfaceSolPID", mapUnit.Surf_SolPEqNo);
    mapUnit.Subsur_CurveSlope =
        lookups_.GetTableValue("Subsoil_SolPEq.db", "Subsur_CurveSlope", "SubsoilSolP_ID", mapUnit.SubSoil_SolPEqNo);

    form_.control<ui::GroupBox>("DrainageGB").setVisible(runsTamb(type) && mapUnit.DrainageFlag == "1");
    if (tillageChangeDue("TillageCBNew", "CropBox2", form_.record.tambCrop.TillageFlag)) {
        TillageCBNewChange();
    }
    if (tillageChangeDue("TillageZorvBox", "CropBox", form_.record.zorvCrop.ZorvTillageFlag)) {
        TillageZorvBoxChange();
    }
}

void InputChanges::emptyCalculationLog()
{
    auto& log = form_.control<ui::RichText>("CalcRichEdit");
    log.clear();
    log.setWordWrap(true);
    rtf::CharFormat format = log.insertionFormat();
    format.fontHalfPoints = logFontHalfPoints;
    log.setInsertionFormat(format);
}

void InputChanges::showSurfaceSoilTest(bool shown)
{
    for (const char* name : surfaceSoilTestControls) {
        form_.control<ui::Control>(name).setVisible(shown);
    }
}

bool InputChanges::readMapUnitProperties()
{
    shell::MapUnitValues& mapUnit = form_.record.mapUnit;
    if (!fs::exists(resolveCaseInsensitive(form_.values.CountyTablesDir, mapUnitTable))) {
        dialogs_.error(texts::mapUnitTableMissing);
        return false;
    }
    Table soils;
    soils.open(form_.values.CountyTablesDir, mapUnitTable, TableType::Paradox);
    if (!soils.locate("MUKey", mapUnit.MUKey)) {
        dialogs_.error(texts::mapUnitKeyNotInTable(mapUnit.MUKey));
        return false;
    }
    const auto read = [&soils](std::string_view column) { return soils.field(column).asText(); };
    form_.record.SMG = read("SMG");
    mapUnit.DrainageFlag = read("DrainageFlag");
    mapUnit.Percent_Clay = read("Percent_Clay");
    mapUnit.P_Threshold = read("P_Threshold");
    mapUnit.WV_Factor = read("WV_Factor");
    if (mapUnit.WV_Factor.empty()) {
        mapUnit.WV_Factor = "1";
    }
    mapUnit.FePFactor = read("FePFactor");
    mapUnit.TP_Minus_12 = read("TP_Minus_12");
    mapUnit.T30_Over_TP = read("T30_Over_TP");
    // Both property messages show also in a batch run, and reading goes on:
    // the user is asked for another map unit, not stopped.
    mapUnit.Surf_SolPEqNo = read("Surf_SolPEqNo");
    if (mapUnit.Surf_SolPEqNo.empty()) {
        dialogs_.error(texts::surfaceSolubilityMissing(mapUnit.MUKey));
    }
    mapUnit.SubSoil_SolPEqNo = read("SubSoil_SolPEqNo");
    mapUnit.SubsoilSample = read("SubsoilSample");
    mapUnit.ETSoilGrp = read("ETSoilGrp");
    if (mapUnit.ETSoilGrp.empty()) {
        dialogs_.error(texts::evapotranspirationGroupMissing(mapUnit.MUKey));
    }
    return true;
}

bool InputChanges::tillageChangeDue(std::string_view tillageBox, std::string_view cropBox,
                                    const std::string& tillageFlag)
{
    const auto& tillage = form_.control<ui::ComboBox>(tillageBox);
    const auto& crop = form_.control<ui::ComboBox>(cropBox);
    return (tillage.visible() && !tillage.text().empty())
           || (!crop.text().empty() && asksForNoTillage(tillageFlag) && crop.visible());
}

} // namespace verdalis::inputs
